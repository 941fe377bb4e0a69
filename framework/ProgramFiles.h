#pragma once

#include <string>

// Where the program is, for the files it ships beside itself.

// The folder that holds the running program.
std::string ProgramDirectory();
// True when a file (not a folder) of that path exists.
bool FileExists(const std::string& path);
// The file:// address of a local file, as a browser opens it.
std::string FileAddress(const std::string& path);
