#include "framework/internal/Pointer.h"

#include <QCursor>
#include <QWidget>

namespace fw::internal {

bool PointerOver(const QWidget& widget) {
  return widget.isVisible() && widget.rect().contains(widget.mapFromGlobal(QCursor::pos()));
}

}  // namespace fw::internal
