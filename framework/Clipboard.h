#pragma once

#include <string>

// The system clipboard's text. A new Clipboard holds the clipboard's present text; Close
// commits Text to the system clipboard.
class Clipboard {
 public:
  Clipboard();
  std::string Text;
  void Close();
};
