#include "gui/ui/region_from_bitmap.h"

#include <QRect>
#include <algorithm>
#include <vector>

namespace dorvane {

namespace {

constexpr int kBandWidth = 17;
constexpr int kBufferStep = 100;

std::uint8_t clampChannel(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

// Rectangles collected during the scan, turned into a region whenever the
// flush limit is reached so that no single region is built from an
// unbounded list.
class RectangleCollector {
public:
    explicit RectangleCollector(int flushLimit) : flushLimit_(std::max(1, flushLimit)) { rects_.reserve(kBufferStep); }

    void append(const QRect& rect) {
        if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kBufferStep);
        rects_.push_back(rect);
        if (static_cast<int>(rects_.size()) >= flushLimit_) flush();
    }

    QRegion finish() {
        flush();
        return result_;
    }

private:
    void flush() {
        QRegion part;
        part.setRects(rects_.data(), static_cast<int>(rects_.size()));
        result_ = result_.isEmpty() ? part : result_.united(part);
        rects_.clear();
    }

    int flushLimit_;
    std::vector<QRect> rects_;
    QRegion result_;
};

}  // namespace

KeyBand KeyBand::around(QRgb key) {
    KeyBand band;
    const int channels[3] = {qRed(key), qGreen(key), qBlue(key)};
    const bool black = (key & 0xFFFFFFu) == 0x000000u;
    const bool white = (key & 0xFFFFFFu) == 0xFFFFFFu;
    for (int i = 0; i < 3; ++i) {
        if (black) {
            band.low[i] = 0;
            band.high[i] = 16;
        } else if (white) {
            band.low[i] = 239;
            band.high[i] = 255;
        } else {
            band.low[i] = clampChannel(channels[i] - kBandWidth);
            band.high[i] = clampChannel(channels[i] + kBandWidth);
        }
    }
    return band;
}

bool KeyBand::contains(QRgb pixel) const {
    const int channels[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int i = 0; i < 3; ++i)
        if (channels[i] < low[i] || channels[i] > high[i]) return false;
    return true;
}

std::optional<QRegion> regionFromBitmap(const QImage& bitmap, QRgb key, RegionScan scan, int flushRectangles) {
    if (bitmap.isNull()) return std::nullopt;
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) return std::nullopt;

    const KeyBand band = KeyBand::around(key);
    const bool collectKey = scan == RegionScan::KeyRuns;
    const int width = pixels.width();
    const int height = pixels.height();

    RectangleCollector collector(flushRectangles);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && band.contains(row[x]) == collectKey) ++x;
            if (x > start) collector.append(QRect(start, y, x - start, 1));
            // The pixel that ended the run never starts one.
            ++x;
        }
    }
    QRegion region = collector.finish();
    if (collectKey) region = QRegion(0, 0, width, height).xored(region);
    return region;
}

}  // namespace dorvane
