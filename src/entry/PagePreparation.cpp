#include "entry/PagePreparation.h"

#include "entry/ScanImage.h"

#include <algorithm>

namespace {
// White when K = 255 - brightest channel is at most 75, i.e. the brightest channel is at least 180.
constexpr uint8_t BrightestWhite = 255 - 75;

inline uint8_t Threshold(uint8_t brightest) {
    return brightest >= BrightestWhite ? ScanSurface::White : ScanSurface::Black;
}
} // namespace

PreparedPage PreparePage(const uint8_t* data, int width, int height, std::ptrdiff_t bytesPerLine,
                         PagePixels format) {
    PreparedPage page;
    if (!data || width <= 0 || height <= 0)
        return page;
    page.width = width;
    page.height = height;
    page.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    uint8_t* out = page.pixels.data();
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = data + y * bytesPerLine;
        if (format == PagePixels::Grey8) {
            for (int x = 0; x < width; ++x)
                *out++ = Threshold(row[x]);
        } else {
            for (int x = 0; x < width; ++x, row += 3)
                *out++ = Threshold(std::max({row[0], row[1], row[2]}));
        }
    }
    return page;
}

PreparedPage PrepareScanImage(const ScanImage& image) {
    if (image.empty())
        return {};
    return PreparePage(image.pixels.data(), image.width, image.height,
                       static_cast<std::ptrdiff_t>(image.width) * image.channels(), image.format);
}
