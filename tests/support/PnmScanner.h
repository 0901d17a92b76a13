#pragma once
// SANE's pnm pseudo-backend as a scanner for tests: a private configuration folder whose dll.conf
// lists only pnm, set in SANE_CONFIG_DIR for this process and the programs it starts (one folder per
// process: libsane reads the variable once). The device
// "pnm:0" scans the file named by its option "filename" (a raw P5 or P6 image).
#include "support/TempDir.h"

#include <QImage>
#include <string>

class PnmScanner {
public:
    PnmScanner();
    ~PnmScanner();
    // "" when the pnm backend answers; otherwise why not (for a "skipped: " line).
    const std::string& unavailable() const { return m_unavailable; }
    // Writes `page` as a raw P6 (colour) or P5 (grey) file in the private folder; returns its path.
    std::string WritePage(const QImage& page, bool grey, const std::string& name = "page");

private:
    TempDir m_dir; // the pages
    std::string m_previous;
    bool m_hadPrevious = false;
    std::string m_unavailable;
};
