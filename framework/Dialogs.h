#pragma once

#include <exception>
#include <functional>
#include <string>

// A modal message box.
void MsgBox(const std::string& text);
// Asks the desktop to open the address in its web browser. False when the desktop could not
// be asked (no launcher for the address); true says only that it was asked.
bool ShowURL(const std::string& address);

// Tests replace what these do with a recorder; an empty function restores the real one. The
// ShowURL hook's result is ShowURL's.
namespace DialogHooks {
void OnMsgBox(std::function<void(const std::string&)> hook);
void OnShowURL(std::function<bool(const std::string&)> hook);
}  // namespace DialogHooks
