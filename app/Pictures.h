#pragma once

#include "framework/Picture.h"

// The program's picture resources, each read from the application's resources by its number
// at the first call and kept for the whole run. A picture that is missing gives null and is
// asked for again at the next call.
PicturePtr CoverPicture();  // 168
PicturePtr Larva();         // 169
PicturePtr LadyBug00();     // 175
PicturePtr LadyBug01();     // 177
PicturePtr LadyBug02();     // 180
PicturePtr LadyBug03();     // 179
PicturePtr LadyBug04();     // 178
PicturePtr LadyBug05();     // 174
PicturePtr LadyBug06();     // 173
PicturePtr LadyBug07();     // 172
PicturePtr LadyBug08();     // 171
PicturePtr LadyBug09();     // 170
PicturePtr LadyBug10();     // 176
PicturePtr LadyBug11();     // 184
PicturePtr LadyBug12();     // 181
PicturePtr LadyBug13();     // 183
PicturePtr LadyBug14();     // 182

// Releases the cached pictures one after another in the order of their numbers (at
// shut-down).
void ReleasePictures();
