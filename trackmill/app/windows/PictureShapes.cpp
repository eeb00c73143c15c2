#include "trackmill/app/windows/PictureShapes.h"

#include "platform/framework/graphics/Canvas.h"

void Box(framework::TCanvas& canvas, int left, int top, int right, int bottom, framework::TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(win::RECT{left, top, right, bottom});
}

void Disc(framework::TCanvas& canvas, int x, int y, int radius, framework::TColor face, framework::TColor edge) {
    canvas.Brush().SetColor(face);
    canvas.Pen().SetColor(edge);
    canvas.Ellipse(x - radius, y - radius, x + radius, y + radius);
}
