#include "framework/internal/PointerExit.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace fw::internal {

PointerExit::PointerExit(QWidget& widget, std::function<void()> exited)
    : widget_(widget), exited_(std::move(exited)) {}

void PointerExit::Leave() {
  if (PointerInside()) {
    Watch(true);
    return;
  }
  Watch(false);
  exited_();
}

// While a leave is held, any crossing or movement of the pointer anywhere
// in the program is a chance to see it outside.
bool PointerExit::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::WindowUnblocked:
      if (!PointerInside()) {
        Watch(false);
        exited_();
      }
      break;
    default:
      break;
  }
  return false;
}

bool PointerExit::PointerInside() const {
  return widget_.isVisible() && widget_.rect().contains(widget_.mapFromGlobal(QCursor::pos()));
}

void PointerExit::Watch(bool watching) {
  if (watching == watching_) return;
  watching_ = watching;
  if (watching) {
    QCoreApplication::instance()->installEventFilter(this);
  } else {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

}  // namespace fw::internal
