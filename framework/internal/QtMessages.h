#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace fw::internal {

// Holds back Qt's log messages while it lives, so that the framework can
// say in one line of its own what Qt says in several. When it ends, the
// messages go on to Qt's usual output, unless they were dropped. One hold
// at a time.
class QtMessageHold {
 public:
  struct Message {
    QtMsgType type;
    std::string category;
    QString text;
  };
  // Called instead of aborting on a fatal message, with what was held so
  // far; it must not return.
  using FatalHandler = void (*)(const QString& text, const std::vector<Message>& held);

  explicit QtMessageHold(FatalHandler onFatal = nullptr);
  ~QtMessageHold();
  QtMessageHold(const QtMessageHold&) = delete;
  QtMessageHold& operator=(const QtMessageHold&) = delete;

  void Drop();

 private:
  QtMessageHandler previous_;
};

}  // namespace fw::internal
