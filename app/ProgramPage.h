#pragma once

#include <string>

// The program's own page, a short HTML document shipped beside it: in the build tree it lies
// next to the program, once installed in the program's folder of the data folder (by default
// ../share/quellmoor from the program's bin folder; the build takes the path from the install
// folders it is configured with).

// The page's path for a program in that folder: the first of the two places that holds it,
// else the installed place.
std::string ProgramPagePath(const std::string& programDirectory);
// The address "Go there" opens and the splash and About windows show.
std::string ProgramPageAddress();
