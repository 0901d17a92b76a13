#pragma once
// Preparation of a scanned page for mark reading: the black plane of a cyan-magenta-yellow-black
// separation, K = 255 - max(R, G, B), thresholded so that K 0..75 becomes white and K 76..255 black.
// Light print (the sheet's drop-out red) and paper vanish; pencil and black print remain.
#include "entry/MarkReading.h"

#include <cstddef>
#include <cstdint>

enum class PagePixels {
    Grey8,  // one byte per pixel
    Rgb888, // three bytes per pixel, red first
};

// Prepares a page of `width` x `height` pixels whose rows start `bytesPerLine` bytes apart.
PreparedPage PreparePage(const uint8_t* data, int width, int height, std::ptrdiff_t bytesPerLine,
                         PagePixels format);
