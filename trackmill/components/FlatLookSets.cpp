#include "trackmill/components/FlatLookSets.h"

#include <array>
#include <string>

#include "platform/framework/EConvertError.h"

namespace components {

namespace {

constexpr std::array<std::string_view, 10> kContainerNames = {
    "fccForm",  "fccFrame",     "fccToolbar",  "fccCoolbar",  "fccControlbar",
    "fccPanel", "fccScrollBox", "fccGroupBox", "fccTabSheet", "fccPageScroller"};

constexpr std::array<std::string_view, 23> kControlNames = {
    "fcMainMenu",    "fcPopupMenu", "fcToolbar",  "fcControlbar",  "fcCombo",    "fcListBox",
    "fcEdit",        "fcMaskEdit",  "fcMemo",     "fcRichEdit",    "fcMiscEdit", "fcCheckBox",
    "fcRadioButton", "fcButton",    "fcBitBtn",   "fcSpeedButton", "fcUpDown",   "fcPanel",
    "fcGroupBox",    "fcTreeView",  "fcListView", "fcProgressBar", "fcHotKey"};

template <std::size_t N>
std::uint32_t SetNamed(const std::array<std::string_view, N>& members, std::initializer_list<std::string_view> names) {
    std::uint32_t set = 0;
    for (const std::string_view name : names) {
        std::size_t bit = 0;
        while (bit < N && members[bit] != name) ++bit;
        if (bit == N) throw framework::EConvertError("Invalid property value: " + std::string(name));
        set |= 1u << bit;
    }
    return set;
}

}  // namespace

TFlatContainers FlatContainersNamed(std::initializer_list<std::string_view> names) {
    return static_cast<TFlatContainers>(SetNamed(kContainerNames, names));
}

TFlatControls FlatControlsNamed(std::initializer_list<std::string_view> names) {
    return SetNamed(kControlNames, names);
}

}  // namespace components
