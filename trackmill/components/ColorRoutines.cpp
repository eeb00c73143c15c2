#include "trackmill/components/ColorRoutines.h"

#include <algorithm>

#include "platform/framework/Round.h"
#include "platform/gdi/SysColors.h"

namespace components {

namespace {

struct Channels {
    int red;
    int green;
    int blue;
};

Channels Split(TColor color) {
    const TColor rgb = gdi::ResolveColor(color);
    return Channels{static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>((rgb >> 16) & 0xFF)};
}

TColor Join(int red, int green, int blue) {
    auto clamp = [](int c) { return static_cast<TColor>(std::clamp(c, 0, 255)); };
    return clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16);
}

int Lighten(int channel, double fraction) {
    return channel + static_cast<int>(framework::Round(fraction * (255 - channel)));
}

}  // namespace

TColor DarkenColor(TColor color, int amount) {
    const Channels c = Split(color);
    return Join(c.red - amount, c.green - amount + 2, c.blue - amount);
}

TColor LightenColor(TColor color, int percent) {
    const double fraction = std::clamp(percent, 0, 100) / 100.0;
    const Channels c = Split(color);
    return Join(Lighten(c.red, fraction), Lighten(c.green, fraction), Lighten(c.blue, fraction));
}

TColor GrayColor(TColor color, int brightness) {
    const Channels c = Split(color);
    const int v = std::min((c.red + c.green + c.blue) / 3 + brightness, 240);
    return Join(v, v, v);
}

TColor MixColors(std::span<const TColor> colors) {
    if (colors.empty()) return 0;
    const int count = static_cast<int>(colors.size());
    int red = 0;
    int green = 0;
    int blue = 0;
    for (const TColor color : colors) {
        const Channels c = Split(color);
        red += c.red / count;
        green += c.green / count;
        blue += c.blue / count;
    }
    return Join(red, green, blue);
}

}  // namespace components
