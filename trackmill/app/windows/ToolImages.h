#pragma once
// The pictures of the main window's tool bar and menus, drawn in code.

namespace framework {
class TImageList;
}

enum ToolImage {
    ToolImageExtract,
    ToolImageEncode,
    ToolImageCompress,
    ToolImageRecord,
    ToolImageOptions,
    ToolImageExit,
    ToolImageCount
};

// Fills images with ToolImageCount pictures of 16 by 16 pixels, in ToolImage order.
void DrawToolImages(framework::TImageList& images);
