#pragma once
// TFlatLook: placed on a form, it gives the form a flat look while Active. Every menu of the form becomes owner
// drawn and is painted here (flat items with an icon column, soft selection frames, shadows under bar items),
// tool bars get flat buttons, popup menu windows get a flat frame with a two-pixel shadow, and the controls it
// selects are handed to the control restyler. Colours are colour values (RGB or a named system colour); the
// working colours derived from them are what every painting routine reads.
#include <cstdint>
#include <string>

#include "platform/framework/Scalable.h"
#include "platform/framework/TComponent.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/graphics/Colors.h"
#include "platform/framework/graphics/Font.h"
#include "platform/user/Types.h"
#include "trackmill/components/FlatLookSets.h"

namespace framework {
class TBitmap;
class TCanvas;
class TControl;
class TCustomForm;
class TMenu;
class TMenuItem;
class TObject;
class TScrollingWinControl;
class TToolButton;
}  // namespace framework

namespace components {

using framework::TColor;

// The system colours the flat look is built from.
using framework::clBtnFace;
using framework::clBtnShadow;
using framework::clHighlight;
using framework::clInactiveCaption;

// How a glyph is to look: where it sits and the state of what carries it.
struct GlyphLook {
    bool rtl = false;
    bool bar = false;
    bool checked = false;
    bool enabled = true;
    bool pressed = false;
    bool hot = false;
};

// How an item's text is to look.
struct ItemTextLook {
    bool rtl = false;
    bool bar = false;
    bool isDefault = false;
    bool enabled = true;
    bool selected = false;
};

class TFlatLook : public framework::TComponent, public framework::IScalable {
  public:
    // owner must be a form (or none); another owner raises EConvertError.
    explicit TFlatLook(framework::TComponent* owner);
    ~TFlatLook() override;

    // IconWidth grows with the form's layout and its images. The font stays the size of the system's menu font,
    // which the bar's own measure uses too.
    void ChangeScale(int multiplier, int divisor) override;

    // Published properties, in the order a stored form sets them. DimLevel and GrayLevel are plain fields.
    std::uint8_t DimLevel = 30;   // how far idle glyphs are lightened, in percent
    std::uint8_t GrayLevel = 10;  // brightness added to glyphs turned grey
    framework::TFont& Font() { return font_; }
    void SetFont(const framework::TFont& font) { font_.Assign(font); }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool DrawMenuBar() const { return drawMenuBar_; }
    void SetDrawMenuBar(bool value) { drawMenuBar_ = value; }
    TColor IconBackColor() const { return iconBackColor_; }
    void SetIconBackColor(TColor color);
    TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(TColor color);
    TColor SelectColor() const { return selectColor_; }
    void SetSelectColor(TColor color);
    TColor SelectBorderColor() const { return selectBorderColor_; }
    void SetSelectBorderColor(TColor color);
    TColor SelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(TColor color);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor color);
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor color);
    TColor CheckedColor() const { return checkedColor_; }
    void SetCheckedColor(TColor color);
    std::int32_t IconWidth() const { return iconWidth_; }
    void SetIconWidth(std::int32_t width) { iconWidth_ = width; }
    bool DrawSelect() const { return drawSelect_; }
    void SetDrawSelect(bool value) { drawSelect_ = value; }
    bool UseSystemColors() const { return useSystemColors_; }
    void SetUseSystemColors(bool value);
    bool UseDimColor() const { return useDimColor_; }
    void SetUseDimColor(bool value);
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void SetOverrideOwnerDraw(bool value) { overrideOwnerDraw_ = value; }
    bool Gradient() const { return gradient_; }
    void SetGradient(bool value) { gradient_ = value; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool value) { flatMenu_ = value; }
    bool AutoDetect() const { return autoDetect_; }
    void SetAutoDetect(bool value) { autoDetect_ = value; }
    TFlatContainers FlatContainers() const { return flatContainers_; }
    void SetFlatContainers(TFlatContainers containers);
    TFlatControls FlatControls() const { return flatControls_; }
    void SetFlatControls(TFlatControls controls);
    bool Active() const { return active_; }
    void SetActive(bool active);
    bool DisableSubclassing() const { return disableSubclassing_; }
    void SetDisableSubclassing(bool value);

    // The owner, when it is a form.
    framework::TScrollingWinControl* Form() const { return form_; }

    void Loaded() override;

    void UpdateWorkingColors(framework::TCanvas& canvas);

    // The walk over the components owner owns: menus, tool bars and eligible controls.
    void ActivateComponents(framework::TComponent* owner, bool activate, bool repaint);
    void ActivateComponent(framework::TComponent* component, bool activate, bool repaint);
    void HookMenuItem(framework::TMenuItem* item, bool activate);

    // Menu item painting: the measure and draw events of hooked items.
    void MenuMeasureItem(framework::TObject* sender, framework::TCanvas* canvas, int& width, int& height);
    void MenuDrawItem(framework::TObject* sender, framework::TCanvas* canvas, const win::RECT& rect, bool selected);
    // Width and height of the item's glyph; a popup item (no bar menu) is at least IconWidth wide.
    win::SIZE GetGlyphSize(framework::TMenuItem* item, framework::TMenu* barMenu);
    void DrawMenuItem(framework::TMenuItem* item, framework::TCanvas& canvas, bool selected, win::RECT rect);

    // Routines the menu items share with tool buttons and restyled controls. component is what is drawn (a menu
    // item, a tool button or a control).
    void DrawTopItemSelection(framework::TComponent* component, framework::TCanvas& canvas, bool rtl, TColor color,
                              const win::RECT& rect);
    void DrawItemCheck(framework::TMenuItem* item, bool selected, const win::RECT& check, framework::TCanvas& canvas,
                       bool hasGlyph, bool enabled);
    void DrawGlyph(framework::TComponent* component, framework::TCanvas& canvas, framework::TBitmap* glyph,
                   const win::RECT& rect, const GlyphLook& look);
    void DrawItemText(framework::TComponent* component, const std::string& text, win::UINT format,
                      framework::TFont& font, const ItemTextLook& look, win::RECT rect, framework::TCanvas& canvas,
                      const std::string& shortcut);
    TColor ContrastTextColor(framework::TCanvas& canvas, TColor color);
    void FillGradient(framework::TCanvas& canvas, const win::RECT& rect, bool rtl);
    static bool IsMouseOverItem(framework::TCustomForm* form, const win::RECT& rect);

    // The custom-draw-button event of tool bars: the whole button in the flat style.
    void ToolbarCustomDrawButton(framework::TToolBar* sender, framework::TToolButton* button,
                                 framework::TCustomDrawState state, bool& defaultDraw);

    // Working state. Only UpdateWorkingColors writes the working colours; painting reads them.
    bool ColorsStale = false;
    TColor EffColor = 0;              // popup background
    TColor EffIconBackColor = 0;      // icon column
    TColor EffSelectColor = 0;        // selection fill
    TColor EffSelectBorderColor = 0;  // selection frame
    TColor EffSelectFontColor = 0;    // selected text
    TColor EffSelectLightColor = 0;   // checked mark background
    TColor EffSelectMidColor = 0;     // checked mark background while selected
    TColor EffCheckedColor = 0;       // check box frame
    TColor EffMenuBarColor = 0;       // menu bar
    TColor EffDisabledColor = 0;      // disabled text and marks
    TColor EffSeparatorColor = 0;     // separator line
    TColor EffBorderColor = 0;        // popup frame
    TColor EffShadowColor = 0;        // popup shadow
    bool HighColor = false;           // the display has 16 or more bits per pixel
    std::int32_t ParentTintPercent = 16;
    std::int32_t HotTintPercent = 40;
    bool FrameBusy = false;  // a popup frame is being drawn
    bool IsWinXP = false;
    bool IsWinNT = false;
    TColor KeyColor = 0xFF00FF;  // the background glyph bitmaps are filled with before an image is drawn

  private:
    void MarkColorsStale() { ColorsStale = true; }
    void SetColorProperty(TColor& property, TColor color);
    void RedrawFormMenuBar();
    void SetFlatSets(TFlatContainers containers, TFlatControls controls);
    void HookMenu(framework::TMenu* menu, bool activate);
    void ActivateToolBar(framework::TToolBar* toolBar, bool activate, bool repaint);
    void ActivateControl(framework::TControl* control, bool activate, bool repaint);
    void RequestPopupFrame(framework::TMenuItem* item, win::HDC target, bool rtl);
    void PaintToolButton(framework::TToolBar* toolBar, framework::TToolButton* button,
                         framework::TCustomDrawState state);

    framework::TFont font_;
    TColor color_ = clBtnFace;
    bool drawMenuBar_ = false;
    TColor iconBackColor_ = clBtnFace;
    TColor menuBarColor_ = clBtnFace;
    TColor selectColor_ = clHighlight;
    TColor selectBorderColor_ = clHighlight;
    TColor selectFontColor_ = 0;
    TColor disabledColor_ = clInactiveCaption;
    TColor separatorColor_ = clBtnFace;
    TColor checkedColor_ = clHighlight;
    std::int32_t iconWidth_ = 24;
    bool drawSelect_ = true;
    bool useSystemColors_ = true;
    bool useDimColor_ = false;
    bool overrideOwnerDraw_ = false;
    bool gradient_ = false;
    bool flatMenu_ = false;
    bool autoDetect_ = false;
    TFlatContainers flatContainers_ = kAllFlatContainers;
    TFlatControls flatControls_ = kAllFlatControls;
    bool active_ = false;
    bool disableSubclassing_ = false;

    framework::TScrollingWinControl* form_ = nullptr;
};

}  // namespace components
