#pragma once

#include "framework/Picture.h"

// A new size x size picture (depth 32) holding a filled disc of that colour on white.
PicturePtr NewDisc(Int32 size, Color color);
