#pragma once

#include <cstdint>
#include <memory>

class QImage;

namespace fw {

// An image, read once and kept as it was read.
class Picture {
 public:
  explicit Picture(const QImage& image);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  [[nodiscard]] std::int32_t Width() const;
  [[nodiscard]] std::int32_t Height() const;
  [[nodiscard]] const QImage& Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

}  // namespace fw
