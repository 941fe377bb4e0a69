#pragma once

class QPainter;

// The cover of the splash and About windows: the program's name over a ladybug on a leaf.
namespace Cover {
constexpr int kWidth = 158;
constexpr int kHeight = 204;

void Draw(QPainter& painter);
// The cover's ladybug on its leaf, filling a square of that many pixels from the origin.
void DrawIcon(QPainter& painter, int size);
}  // namespace Cover
