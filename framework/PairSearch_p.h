#pragma once
// Framework-internal: finding the touching pairs among a surface's sprites.

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class Sprite;

using SpritePairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Appends to `pairs` every pair (i, j), i < j, of indices into `sprites` whose image
// rectangles overlap by at least one pixel and whose groups pair, ordered by i, then j. A
// sprite without an image touches nothing.
void GatherPairs(const std::vector<std::shared_ptr<Sprite>>& sprites, SpritePairs& pairs);
