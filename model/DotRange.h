#pragma once

// A ladybug's dots, from its seven loci of two alleles each: 0 to kMostDots. This header
// includes nothing, so that the build's drawing program, which links only the toolkit, can
// share it.
inline constexpr int kLoci = 7;
inline constexpr int kMostDots = 2 * kLoci;
