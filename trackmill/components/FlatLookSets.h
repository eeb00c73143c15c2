#pragma once
// The two sets that choose what a flat look styles: the kinds of parent a control may sit on, and the kinds of
// menu, bar and control. Bit n of a set is member n; a stored form names the members.
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace components {

enum TFlatContainer {
    fccForm,
    fccFrame,
    fccToolbar,
    fccCoolbar,
    fccControlbar,
    fccPanel,
    fccScrollBox,
    fccGroupBox,
    fccTabSheet,
    fccPageScroller
};
using TFlatContainers = std::uint16_t;
inline constexpr TFlatContainers kAllFlatContainers = 0x3FF;

enum TFlatControl {
    fcMainMenu,
    fcPopupMenu,
    fcToolbar,
    fcControlbar,
    fcCombo,
    fcListBox,
    fcEdit,
    fcMaskEdit,
    fcMemo,
    fcRichEdit,
    fcMiscEdit,
    fcCheckBox,
    fcRadioButton,
    fcButton,
    fcBitBtn,
    fcSpeedButton,
    fcUpDown,
    fcPanel,
    fcGroupBox,
    fcTreeView,
    fcListView,
    fcProgressBar,
    fcHotKey
};
using TFlatControls = std::uint32_t;
inline constexpr TFlatControls kAllFlatControls = 0x7FFFFF;

constexpr bool Contains(TFlatContainers set, TFlatContainer member) { return (set >> member) & 1u; }
constexpr bool Contains(TFlatControls set, TFlatControl member) { return (set >> member) & 1u; }

// The set of the named members, as a stored form lists them ("fccForm", "fcMainMenu"). Raises EConvertError
// for a name that is not a member.
TFlatContainers FlatContainersNamed(std::initializer_list<std::string_view> names);
TFlatControls FlatControlsNamed(std::initializer_list<std::string_view> names);

}  // namespace components
