#include "platform/framework/controls/MaskEdit.h"

namespace framework {

bool TMaskEdit::Accepts(char32_t key) const {
    // The mask's own part ends at the first ';' (the rest says how blanks are kept).
    const std::string mask = editMask_.substr(0, editMask_.find(';'));
    if (mask.empty()) return true;
    const bool digitsOnly = mask.find_first_not_of("09#!") == std::string::npos;
    return !digitsOnly || (key >= U'0' && key <= U'9');
}

}  // namespace framework
