#pragma once
// A list of equally sized images, for tool bars, menus and actions.
#include "platform/framework/Scalable.h"
#include "platform/framework/TComponent.h"
#include "platform/framework/graphics/Colors.h"
#include "platform/gdi/Types.h"

namespace framework {

class TBitmap;
class TCanvas;

class TImageList : public TComponent, public IScalable {
  public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const;
    // Resamples every image to multiplier / divisor of the list's size, keeping the masks.
    void ChangeScale(int multiplier, int divisor) override;
    win::HIMAGELIST Handle() const { return handle_; }

    // Index of the first image added, -1 on failure.
    int Add(const TBitmap& image, const TBitmap* mask);
    int AddMasked(const TBitmap& image, TColor maskColor);
    void Clear();

    // A disabled image is drawn greyed.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  private:
    int width_ = 16;
    int height_ = 16;
    win::HIMAGELIST handle_ = nullptr;
};

}  // namespace framework
