#pragma once
// A page image file (PNG, BMP, PNM, TIFF, ...) read as the page of a scan, for an office without a
// scanner. A missing or unreadable file is an acquisition failure naming the file.
#include "entry/PageSource.h"

#include <QImage>
#include <string>

class ImageFileScanner : public PageSource {
public:
    explicit ImageFileScanner(std::string path) : m_path(std::move(path)) {}

    Acquisition Acquire(const ScanProgress& progress) override;
    std::string Name() const override { return m_path; }

private:
    std::string m_path;
};

// A page image as scanned: 8-bit grey stays grey, everything else becomes RGB.
ScanImage ScanImageFromQImage(const QImage& image);
// The page as an image (for saving it).
QImage QImageFromScanImage(const ScanImage& page);
