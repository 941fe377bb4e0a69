#pragma once

#include "framework/Picture.h"

// The program's picture resources, each read from the application's resources by its number
// (resources/pictures/PictureNumbers.h) at the first call and kept for the whole run. A
// picture that is missing gives null and is asked for again at the next call.
PicturePtr CoverPicture();
PicturePtr Larva();
// The ladybug with that many dots.
PicturePtr LadyBug00();
PicturePtr LadyBug01();
PicturePtr LadyBug02();
PicturePtr LadyBug03();
PicturePtr LadyBug04();
PicturePtr LadyBug05();
PicturePtr LadyBug06();
PicturePtr LadyBug07();
PicturePtr LadyBug08();
PicturePtr LadyBug09();
PicturePtr LadyBug10();
PicturePtr LadyBug11();
PicturePtr LadyBug12();
PicturePtr LadyBug13();
PicturePtr LadyBug14();

// Releases the cached pictures one after another in the order of their numbers (at
// shut-down).
void ReleasePictures();
