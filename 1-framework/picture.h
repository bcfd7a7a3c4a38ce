#pragma once
// Pictures read from the application's resources: a "Resources" folder in a macOS bundle,
// share/<program>/ beside bin/ in an installed Unix tree or the build tree.

#include <cstdint>
#include <memory>
#include <string_view>

#include "1-framework/object.h"

namespace fw {

class Picture : public Object {
 public:
  ~Picture() override;
  // The picture in file `name` among the resources, or nil when it is missing or cannot be
  // decoded. Where "name@2x.png" exists and a screen draws at twice the resolution, that is
  // read instead, at the same logical size.
  static std::shared_ptr<Picture> OpenFromApp(std::string_view name);

  // Logical size.
  std::int64_t Width() const;
  std::int64_t Height() const;

  struct Pixels;
  const Pixels& Data() const { return *pixels_; }

 private:
  explicit Picture(std::unique_ptr<Pixels> pixels);
  std::unique_ptr<Pixels> pixels_;
};

}  // namespace fw
