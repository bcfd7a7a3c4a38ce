#include "2-common/pictures.h"

namespace {

// Fills an empty slot from the resources; a failed read leaves it empty for the next call.
std::shared_ptr<fw::Picture> Kept(std::shared_ptr<fw::Picture>& pic, const char* fileName) {
  if (!pic) pic = fw::Picture::OpenFromApp(fileName);
  return pic;
}

}  // namespace

std::shared_ptr<fw::Picture> x_MireldantholmTitle() {
  static std::shared_ptr<fw::Picture> pic;
  return Kept(pic, "MireldantholmTitle.png");
}

std::shared_ptr<fw::Picture> x_MireldantholmTitle2() {
  static std::shared_ptr<fw::Picture> pic;
  return Kept(pic, "MireldantholmTitle2.png");
}

std::shared_ptr<fw::Picture> x_compute() {
  static std::shared_ptr<fw::Picture> pic;
  return Kept(pic, "compute.png");
}

std::shared_ptr<fw::Picture> x_info() {
  static std::shared_ptr<fw::Picture> pic;
  return Kept(pic, "info.png");
}

std::shared_ptr<fw::Picture> x_clear() {
  static std::shared_ptr<fw::Picture> pic;
  return Kept(pic, "clear.png");
}
