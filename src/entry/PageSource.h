#pragma once
// Where a scanned page comes from: a scanner or a page image file. One page per acquisition.
#include "entry/ScanImage.h"

#include <functional>
#include <string>

struct Acquisition {
    int error = 0;      // 0, or an acquisition failure number (entry/ScanErrors.h)
    std::string detail; // for a failure: what went wrong, on which device or file, and what to do
    ScanImage page;     // the page when error is 0

    bool ok() const { return error == 0; }
};

// Told the lines read so far and the lines expected (-1 when unknown); returns false to cancel.
using ScanProgress = std::function<bool(int linesRead, int linesExpected)>;

class PageSource {
public:
    virtual ~PageSource() = default;
    // Acquires one page. May run outside the window thread; `progress` is called on the same thread.
    // A cancel through `progress` ends it with error 20090.
    virtual Acquisition Acquire(const ScanProgress& progress) = 0;
    // The device or file the page comes from, for messages.
    virtual std::string Name() const = 0;
};
