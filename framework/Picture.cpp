#include "Picture.h"

#include <QImage>

namespace fw {

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

std::int32_t Picture::Width() const { return image_->width(); }
std::int32_t Picture::Height() const { return image_->height(); }

}  // namespace fw
