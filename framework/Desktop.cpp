#include "Desktop.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>
#include <string>

#include "Testing.h"

namespace fw {

namespace {

std::function<void(const std::string&)>& UrlHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

std::function<void(const std::string&)>& MessageBoxHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

}  // namespace

bool ShowURL(std::string_view url) {
  std::string address(url);
  if (UrlHandler()) {
    UrlHandler()(address);
    return true;
  }
  // The address goes to the desktop's handler as data: no shell sees it.
  QUrl parsed(QString::fromStdString(address), QUrl::StrictMode);
  return parsed.isValid() && QDesktopServices::openUrl(parsed);
}

void MsgBox(std::string_view message) {
  std::string text(message);
  if (MessageBoxHandler()) {
    MessageBoxHandler()(text);
    return;
  }
  QMessageBox box;
  box.setWindowTitle("Quorvelle");
  box.setText(QString::fromStdString(text));
  box.exec();
}

namespace testing {

void SetUrlHandler(std::function<void(const std::string& url)> handler) {
  UrlHandler() = std::move(handler);
}

void SetMessageBoxHandler(std::function<void(const std::string& message)> handler) {
  MessageBoxHandler() = std::move(handler);
}

}  // namespace testing

}  // namespace fw
