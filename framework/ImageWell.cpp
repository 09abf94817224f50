#include "ImageWell.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include "Picture.h"
#include "internal/Dispatch.h"
#include "internal/Pointer.h"

namespace fw {

namespace {

// A wheel movement in whole notches, its sign kept for the smallest ones.
std::int32_t Notches(int angle) {
  constexpr int kNotch = 120;
  if (angle == 0) return 0;
  int notches = angle / kNotch;
  return notches != 0 ? notches : (angle > 0 ? 1 : -1);
}

class ImageWellWidget : public QWidget {
 public:
  explicit ImageWellWidget(ImageWell& owner) : owner_(owner) {}

 protected:
  // Painted by hand, so that a disabled well keeps its picture's look.
  void paintEvent(QPaintEvent* /*event*/) override {
    std::shared_ptr<Picture> picture = owner_.Image();
    if (!picture) return;
    const QImage& image = picture->Image();
    QPainter painter(this);
    painter.drawImage((width() - image.width()) / 2, (height() - image.height()) / 2, image);
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    QPoint at = event->position().toPoint();
    bool consumed = false;
    internal::Dispatch([&] {
      if (owner_.MouseDown) consumed = owner_.MouseDown(owner_, at.x(), at.y());
    });
    event->setAccepted(consumed);
  }

  void wheelEvent(QWheelEvent* event) override {
    // Qt counts a turn up and a tilt left as positive; the framework's
    // deltaY is positive down and deltaX positive to the right. With Alt
    // held, Qt's desktop platforms deliver the wheel turned sideways (their
    // way to scroll across): the deltas follow the wheel itself.
    QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::AltModifier) angle = angle.transposed();
    QPoint at = event->position().toPoint();
    bool consumed = false;
    internal::Dispatch([&] {
      if (owner_.MouseWheel) {
        consumed =
            owner_.MouseWheel(owner_, at.x(), at.y(), -Notches(angle.x()), -Notches(angle.y()));
      }
    });
    event->setAccepted(consumed);
  }

  void enterEvent(QEnterEvent* /*event*/) override {
    internal::Dispatch([&] {
      if (owner_.MouseEnter) owner_.MouseEnter(owner_);
    });
  }

  void leaveEvent(QEvent* /*event*/) override {
    if (internal::PointerOver(*this)) return;
    internal::Dispatch([&] {
      if (owner_.MouseExit) owner_.MouseExit(owner_);
    });
  }

 private:
  ImageWell& owner_;
};

}  // namespace

ImageWell::ImageWell() : RectControl(new ImageWellWidget(*this)) {}

const PropertyTable& ImageWell::Properties() const { return RectControl::Properties(); }

void ImageWell::SetImage(std::shared_ptr<Picture> image) {
  image_ = std::move(image);
  if (QWidget* widget = Widget()) widget->update();
}

}  // namespace fw
