#include "platform/ImageFileScanner.h"

#include "entry/ScanErrors.h"

#include <QFileInfo>
#include <QImageReader>
#include <cstring>

ScanImage ScanImageFromQImage(const QImage& image) {
    ScanImage page;
    if (image.isNull())
        return page;
    const bool grey = image.format() == QImage::Format_Grayscale8 ||
                      (image.isGrayscale() && image.format() != QImage::Format_Mono &&
                       image.format() != QImage::Format_MonoLSB && !image.hasAlphaChannel());
    const QImage converted = image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    page.width = converted.width();
    page.height = converted.height();
    page.format = grey ? PagePixels::Grey8 : PagePixels::Rgb888;
    const std::size_t rowBytes =
        static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.channels());
    page.pixels.resize(rowBytes * static_cast<std::size_t>(page.height));
    for (int y = 0; y < page.height; ++y)
        std::memcpy(page.pixels.data() + rowBytes * static_cast<std::size_t>(y), converted.constScanLine(y),
                    rowBytes);
    return page;
}

QImage QImageFromScanImage(const ScanImage& page) {
    if (page.empty())
        return {};
    const QImage::Format format =
        page.format == PagePixels::Grey8 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    const qsizetype rowBytes = static_cast<qsizetype>(page.width) * page.channels();
    return QImage(page.pixels.data(), page.width, page.height, rowBytes, format).copy();
}

Acquisition ImageFileScanner::Acquire(const ScanProgress& progress) {
    Acquisition result;
    const QString path = QString::fromStdString(m_path);
    const QString shown = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        result.error = ScanError::FileNotFound;
        result.detail =
            QStringLiteral("The page image %1 does not exist. Choose another file.").arg(shown).toStdString();
        return result;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        result.error = reader.error() == QImageReader::UnsupportedFormatError ? ScanError::InvalidFileFormat
                                                                              : ScanError::ErrorReadingFile;
        result.detail =
            QStringLiteral("The page image %1 cannot be read: %2. Choose a PNG, BMP, PNM or TIFF page.")
                .arg(shown, reader.errorString())
                .toStdString();
        return result;
    }
    result.page = ScanImageFromQImage(image);
    if (progress && !progress(result.page.height, result.page.height)) {
        result = Acquisition();
        result.error = ScanError::Cancelled;
        result.detail = "The scan from " + shown.toStdString() + " was cancelled.";
    }
    return result;
}
