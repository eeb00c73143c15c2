#pragma once
// Small pictures drawn in code for the gallery: tool-bar images and a picture for the image control.
namespace framework {
class TBitmap;
class TImageList;
}  // namespace framework

// Adds four 16 x 16 images (open, save, play, stop) to images.
void AddToolImages(framework::TImageList& images);
// A 16 x 16 play glyph on a magenta background that drawing leaves out.
void DrawPlayGlyph(framework::TBitmap& glyph);
// A small landscape: sky, hills and a sun.
void DrawLandscape(framework::TBitmap& picture, int width, int height);
