#include "support/PnmScanner.h"

#include "platform/SaneScanner.h"

#include <algorithm>
#include <cstdlib>

namespace {
// libsane reads SANE_CONFIG_DIR once per process, so every test of a process shares one folder.
const TempDir& ConfigFolder() {
    static const TempDir folder;
    static const bool written = (folder.write("dll.conf", "pnm\n"), true);
    (void)written;
    return folder;
}
} // namespace

PnmScanner::PnmScanner() {
    if (const char* previous = std::getenv("SANE_CONFIG_DIR")) {
        m_hadPrevious = true;
        m_previous = previous;
    }
    ::setenv("SANE_CONFIG_DIR", ConfigFolder().path().c_str(), 1);
    std::string error;
    const std::vector<ScannerDevice> devices = ListScanners(error);
    if (std::none_of(devices.begin(), devices.end(),
                     [](const ScannerDevice& d) { return d.name == "pnm:0"; }))
        m_unavailable =
            "SANE's pnm backend is not installed (package libsane1)" + (error.empty() ? "" : ": " + error);
}

PnmScanner::~PnmScanner() {
    if (m_hadPrevious)
        ::setenv("SANE_CONFIG_DIR", m_previous.c_str(), 1);
    else
        ::unsetenv("SANE_CONFIG_DIR");
}

std::string PnmScanner::WritePage(const QImage& page, bool grey, const std::string& name) {
    const std::string path = m_dir.file(name + (grey ? ".pgm" : ".ppm"));
    const QImage converted = page.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    converted.save(QString::fromStdString(path), grey ? "PGM" : "PPM");
    return path;
}
