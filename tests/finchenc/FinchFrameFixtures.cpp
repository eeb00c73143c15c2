#include "FinchFrameFixtures.h"

#include <array>

#include "FieldBits.h"

namespace finch::test {

std::vector<unsigned char> silentFrame(int rateCode) {
    const int baseUnits = rateCode == 2 ? 26 : rateCode == 4 ? 42 : 58;
    const int cap = rateCode == 6 ? 5 : 4;
    std::array<int, 32> allocation{};
    allocation.fill(0);
    for (int b = 0; b < 4; ++b) {
        allocation[b] = 1;
    }
    int remaining = baseUnits + 14 - 4;
    for (int b = 31; remaining > 0; --b) {
        allocation[b] = remaining >= cap ? cap : remaining;
        remaining -= allocation[b];
    }
    FieldWriter writer;
    for (const int n : allocation) {
        writer.write(static_cast<unsigned>(n), 3);
    }
    for (int b = 0; b < 32; ++b) {
        writer.write(1, 1);
    }
    for (int b = 0; b < 32; ++b) {
        writer.write(31, 5);
    }
    for (int t = 0; t < 12; ++t) {
        for (const int n : allocation) {
            if (n > 0) {
                writer.write(1u << (n - 1), n);
            }
        }
    }
    return writer.bytes();
}

::testing::AssertionResult frameKeepsBudget(const std::vector<unsigned char>& file, std::size_t start, int rateCode) {
    const int baseUnits = rateCode == 2 ? 26 : rateCode == 4 ? 42 : 58;
    const int cap = rateCode == 6 ? 5 : 4;
    const int frameBits = rateCode == 2 ? 768 : rateCode == 4 ? 960 : 1152;
    if (file.size() < start + frameBits / 8) {
        return ::testing::AssertionFailure() << "frame at " << start << " is cut short";
    }
    FieldReader reader(file, start);
    std::array<int, 32> allocation{};
    int units = 0;
    for (int b = 0; b < 32; ++b) {
        allocation[b] = static_cast<int>(reader.read(3));
        units += allocation[b];
        if (allocation[b] > cap) {
            return ::testing::AssertionFailure() << "band " << b << " has " << allocation[b] << " bits";
        }
        if (b < 4 && allocation[b] < 1) {
            return ::testing::AssertionFailure() << "band " << b << " has no bits";
        }
    }
    int sharedCount = 0;
    for (int b = 0; b < 32; ++b) {
        sharedCount += static_cast<int>(reader.read(1));
    }
    if (units != baseUnits + (8 + 5 * sharedCount) / 12) {
        return ::testing::AssertionFailure() << units << " units with " << sharedCount << " shared bands";
    }
    const int usedBits = 288 + 5 * (32 - sharedCount) + 12 * units;
    const int padding = frameBits - usedBits;
    if (padding != (8 + 5 * sharedCount) % 12) {
        return ::testing::AssertionFailure() << padding << " bits of padding";
    }
    FieldReader pad(file, start);
    for (int skipped = 0; skipped < usedBits; skipped += 16) {
        pad.read(usedBits - skipped >= 16 ? 16 : usedBits - skipped);
    }
    if (padding > 0 && pad.read(padding) != 0) {
        return ::testing::AssertionFailure() << "padding is not zero";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace finch::test
