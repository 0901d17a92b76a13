#include "entry/qt/PageImage.h"

#include "entry/PagePreparation.h"

#include <QFileInfo>
#include <QImageReader>

PreparedPage PrepareImage(const QImage& image) {
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_Grayscale8)
        return PreparePage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                           PagePixels::Grey8);
    // The brightest channel of a grey pixel is its grey value, so every other format goes through RGB.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return PreparePage(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), PagePixels::Rgb888);
}

std::optional<PreparedPage> LoadPreparedPage(const QString& path, QString& error) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        error = QStringLiteral("Cannot read the page image %1: %2.")
                    .arg(QFileInfo(path).absoluteFilePath(), reader.errorString());
        return std::nullopt;
    }
    return PrepareImage(image);
}
