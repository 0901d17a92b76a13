#pragma once
// The scanner through SANE: one page at 100 dpi over the whole 8.5 x 14 inch area (or the device's
// largest), in colour where the device offers it, else grey. Device failures come back as the
// acquisition error numbers, with SANE's description, the device and what to do as the detail.
#include "entry/PageSource.h"

#include <string>
#include <utility>
#include <vector>

struct ScannerDevice {
    std::string name;        // as sane_open takes it, e.g. "pnm:0"
    std::string description; // vendor, model and type
};

// The local devices (network discovery left out: it takes seconds). Empty when SANE finds none or
// cannot start; `error` then says why.
std::vector<ScannerDevice> ListScanners(std::string& error);

class SaneScanner : public PageSource {
public:
    // `device` "" scans with the first device found. `options` are backend options set by name
    // after the program's own, as (name, value) in scanimage's spelling ("yes", "12.5", "Gray").
    explicit SaneScanner(std::string device = {},
                         std::vector<std::pair<std::string, std::string>> options = {});

    Acquisition Acquire(const ScanProgress& progress) override;
    std::string Name() const override;

private:
    std::string m_device;
    std::vector<std::pair<std::string, std::string>> m_options;
    std::string m_opened; // the device of the last acquisition
};
