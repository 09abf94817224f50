#include "internal/QtMessages.h"

#include <mutex>
#include <utility>

namespace fw::internal {

namespace {

// Qt may log from its own threads (the audio back end does).
std::mutex heldMutex;
std::vector<QtMessageHold::Message> held;
QtMessageHold::FatalHandler fatalHandler = nullptr;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  std::unique_lock lock(heldMutex);
  held.push_back({type, context.category != nullptr ? context.category : "", text});
  if (type == QtFatalMsg && fatalHandler != nullptr) {
    std::vector<QtMessageHold::Message> sofar = held;
    lock.unlock();
    fatalHandler(text, sofar);
  }
}

}  // namespace

QtMessageHold::QtMessageHold(FatalHandler onFatal) {
  fatalHandler = onFatal;
  previous_ = qInstallMessageHandler(Hold);
}

QtMessageHold::~QtMessageHold() {
  qInstallMessageHandler(previous_);
  std::vector<Message> messages;
  {
    const std::lock_guard lock(heldMutex);
    messages.swap(held);
    fatalHandler = nullptr;
  }
  for (const Message& message : messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    qt_message_output(message.type, context, message.text);
  }
}

void QtMessageHold::Drop() {
  const std::lock_guard lock(heldMutex);
  held.clear();
}

}  // namespace fw::internal
