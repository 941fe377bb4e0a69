#pragma once

#include "framework/Picture.h"

// The application's own picture resources, embedded in the program.
class ResourceFork {
 public:
  // The picture resource of that number, or null when there is none. Its transparent pixels
  // read as white, the framework's transparent colour.
  PicturePtr GetPicture(Int32 number) const;
  // How many pictures have been read (for tests of caching).
  static Int32 ReadCount();
};

ResourceFork& ApplicationResourceFork();
