#include "framework/Dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/QtSupport_p.h"

namespace {
std::function<void(const std::string&)>& MsgBoxHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}
std::function<bool(const std::string&)>& ShowURLHook() {
  static std::function<bool(const std::string&)> hook;
  return hook;
}
}  // namespace

void MsgBox(const std::string& text) {
  if (MsgBoxHook()) return MsgBoxHook()(text);
  QMessageBox box;
  box.setText(DisplayText(text));
  // So that an address or a number in the message can be copied.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
}

bool ShowURL(const std::string& address) {
  if (ShowURLHook()) return ShowURLHook()(address);
  return QDesktopServices::openUrl(QUrl(ToQ(address)));
}

namespace DialogHooks {
void OnMsgBox(std::function<void(const std::string&)> hook) {
  MsgBoxHook() = std::move(hook);
}
void OnShowURL(std::function<bool(const std::string&)> hook) {
  ShowURLHook() = std::move(hook);
}
}  // namespace DialogHooks
