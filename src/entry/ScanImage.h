#pragma once
// A page as the scanner or a page image file delivers it, before preparation: packed rows of grey
// or RGB bytes.
#include "entry/PagePreparation.h"

#include <cstdint>
#include <vector>

struct ScanImage {
    int width = 0;
    int height = 0;
    PagePixels format = PagePixels::Grey8;
    std::vector<uint8_t> pixels; // height rows of width x channels() bytes

    int channels() const { return format == PagePixels::Grey8 ? 1 : 3; }
    bool empty() const { return width <= 0 || height <= 0 || pixels.empty(); }
};

// The page prepared for mark reading.
PreparedPage PrepareScanImage(const ScanImage& image);
