#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How the source's channels become the copy's: kept as they are, averaged into one, or one copied into each.
// The rate is converted between the two steps, on as few channels as there are to convert.
class ChannelMix {
  public:
    // Only the three layouts above can be mixed.
    static bool possible(int sourceChannels, int copyChannels);

    ChannelMix(int sourceChannels, int copyChannels);
    // Channels between the two steps.
    int convertedChannels() const { return converted_; }
    // Source frames as values of -1 to 1 on the converted channels.
    void narrow(const std::int16_t* samples, std::size_t frames, std::vector<float>& values) const;
    // Frames of the converted channels as frames of the copy.
    void widen(const std::vector<std::int16_t>& samples, std::vector<std::int16_t>& frames) const;

  private:
    int source_;
    int copy_;
    int converted_;
};
