#pragma once
// One CD drive as the library lists it: a device of the machine or a BIN/CUE image standing in for one.
#include <string>

namespace platform::cdrom::detail {

struct Drive {
    enum class Kind { Device, Image };

    int id = 0;  // stable for the life of the process; reported as the drive's host-adapter number
    Kind kind = Kind::Device;
    std::string path;  // device node or CUE file
    std::string vendor;
    std::string product;
};

}  // namespace platform::cdrom::detail
