#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <array>
#include <cstdint>
#include <optional>

namespace dorvane {

// The colours that count as the key colour: a range per channel. Black
// keys 0..16, white keys 239..255, any other key its value +-17.
struct KeyBand {
    std::array<std::uint8_t, 3> low{};  // red, green, blue
    std::array<std::uint8_t, 3> high{};

    static KeyBand around(QRgb key);
    bool contains(QRgb pixel) const;
};

// Which pixels to collect while scanning: the key-coloured runs (then the
// result is inverted against the bitmap's rectangle) or the others. Both
// give the same region.
enum class RegionScan { KeyRuns = 0, OpaqueRuns = 1 };

// Regions are built from at most this many rectangles at a time and united.
inline constexpr int kRegionFlushRectangles = 3000;

// The shape of a skin: every pixel whose colour lies outside the key band,
// as 1-pixel-high runs in the bitmap's coordinates (0, 0 top-left). The
// bitmap is not changed. No result for a null image.
std::optional<QRegion> regionFromBitmap(const QImage& bitmap, QRgb key, RegionScan scan = RegionScan::KeyRuns,
                                        int flushRectangles = kRegionFlushRectangles);

}  // namespace dorvane
