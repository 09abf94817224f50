#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "Control.h"

namespace fw {

class Picture;

// Shows a picture, centred; a well without a picture shows nothing. A
// disabled well keeps its picture's look and gets no clicks or wheel turns.
class ImageWell : public RectControl {
 public:
  ImageWell();

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::shared_ptr<Picture> Image() const { return image_; }
  void SetImage(std::shared_ptr<Picture> image);

  // Events. X and Y are in the well's own coordinates. deltaY is above 0
  // for a wheel turned down, deltaX above 0 for a movement to the right.
  // MouseDown and MouseWheel return whether they consumed the event.
  std::function<bool(ImageWell&, std::int32_t x, std::int32_t y)> MouseDown;
  std::function<void(ImageWell&)> MouseEnter;
  std::function<void(ImageWell&)> MouseExit;
  std::function<bool(ImageWell&, std::int32_t x, std::int32_t y, std::int32_t deltaX,
                     std::int32_t deltaY)>
      MouseWheel;

 private:
  std::shared_ptr<Picture> image_;
};

}  // namespace fw
