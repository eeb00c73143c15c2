#pragma once
// The two shapes the pictures drawn in code are made of.
#include "platform/framework/graphics/Colors.h"

namespace framework {
class TCanvas;
}

// A filled rectangle, right and bottom edges excluded.
void Box(framework::TCanvas& canvas, int left, int top, int right, int bottom, framework::TColor color);
// A filled circle of the given radius around (x, y), outlined in edge.
void Disc(framework::TCanvas& canvas, int x, int y, int radius, framework::TColor face, framework::TColor edge);
