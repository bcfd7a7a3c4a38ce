#pragma once

#include "1-framework/application.h"

// The application object.
class Mireldantholm : public fw::Application {
 public:
  virtual void Constructor() {}
};
