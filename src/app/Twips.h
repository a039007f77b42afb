#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace qx {

// The layout rules are written in twips, 15 to a logical pixel, as the settings store window sizes.
inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// Pixels are kept within the range whose twips still fit an int, so a round trip never overflows; a value
// that is not a number gives 0.
inline constexpr int kMaxPixels = std::numeric_limits<int>::max() / kTwipsPerPixel;

inline int TwipsToPixels(double twips) {
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(twips / kTwipsPerPixel + 0.5, double(-kMaxPixels), double(kMaxPixels)));
}
inline int PixelsToTwips(int pixels) {
    return std::clamp(pixels, -kMaxPixels, kMaxPixels) * kTwipsPerPixel;
}

} // namespace qx
