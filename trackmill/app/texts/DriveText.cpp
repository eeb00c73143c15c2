#include "trackmill/app/texts/DriveText.h"

#include <cstring>

#include "platform/cdrom/CdRecords.h"

namespace {

// A text field that ends at its first zero byte or fills its whole array.
std::string FieldText(const char* text, std::size_t capacity) { return std::string(text, strnlen(text, capacity)); }

}  // namespace

std::string DriveText(const platform::cdrom::TCDDriveInfo& drive) {
    return FieldText(drive.vendor, sizeof drive.vendor) + FieldText(drive.productId, sizeof drive.productId);
}
