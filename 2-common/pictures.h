#pragma once
// The program's pictures, one accessor each. An accessor reads its file until a read yields a
// picture and returns that same picture from then on; a read that yields nothing is tried again
// at the next call.

#include <memory>

#include "1-framework/picture.h"

std::shared_ptr<fw::Picture> x_MireldantholmTitle();   // the calculator window's banner
std::shared_ptr<fw::Picture> x_MireldantholmTitle2();  // the About window's picture
std::shared_ptr<fw::Picture> x_compute();
std::shared_ptr<fw::Picture> x_info();
std::shared_ptr<fw::Picture> x_clear();
