#pragma once
// Counts of live drawing objects, for leak checks. Stock objects are not counted.

namespace gdi {

struct LiveObjects {
    int dcs = 0;
    int bitmaps = 0;
    int regions = 0;
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    int imageLists = 0;
    bool operator==(const LiveObjects&) const = default;
};

LiveObjects CountLiveObjects();

}  // namespace gdi
