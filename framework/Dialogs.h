#pragma once

#include <exception>
#include <functional>
#include <string>

// A modal message box.
void MsgBox(const std::string& text);
// Opens the address in the desktop's web browser.
void ShowURL(const std::string& address);

// Tests replace what these do with a recorder; an empty function restores the real one.
namespace DialogHooks {
void OnMsgBox(std::function<void(const std::string&)> hook);
void OnShowURL(std::function<void(const std::string&)> hook);
}  // namespace DialogHooks
