#pragma once

#include <QObject>

#include <functional>

class QEvent;
class QWidget;

namespace fw::internal {

// Tells a control that the pointer has left its widget, and only then. Qt
// also sends a widget a leave event when a modal window opens over a still
// pointer, and then nothing when the pointer does leave: such a leave is
// held until an event shows the pointer outside the widget.
class PointerExit : public QObject {
 public:
  PointerExit(QWidget& widget, std::function<void()> exited);

  // From the widget's leave event.
  void Leave();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] bool PointerInside() const;
  void Watch(bool watching);

  QWidget& widget_;
  std::function<void()> exited_;
  bool watching_ = false;
};

}  // namespace fw::internal
