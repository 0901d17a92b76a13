#include "platform/ReportPages.h"

#include "scoring/ReportFiles.h"
#include "shell/Cp1252.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {
// Margins the printers of an office can all print into (most need about 0.17 in).
constexpr double MarginPoints = 18;
constexpr int Resolution = 1200;

QFont ReportFont(double points) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

struct Placement {
    ReportLayout layout;
    std::vector<std::vector<std::string>> pages;
};

Placement Place(const std::string& reportText, const QPageLayout& page, QPaintDevice* device) {
    Placement p;
    p.pages = SplitReportPages(reportText);
    const QRectF area = page.paintRect(QPageLayout::Point);
    const QFontMetricsF metrics(ReportFont(ReportFontPoints), device);
    const double toPoints = 72.0 / device->logicalDpiY();
    FontShape shape;
    shape.advance = metrics.horizontalAdvance(QLatin1Char('M')) * toPoints / ReportFontPoints;
    shape.lineSpacing = metrics.lineSpacing() * toPoints / ReportFontPoints;
    p.layout = LayOutReport(p.pages, PrintArea{area.width(), area.height()}, shape);
    return p;
}

QPageLayout ReportPageLayout(const QPageSize& paper) {
    return QPageLayout(paper, QPageLayout::Portrait,
                       QMarginsF(MarginPoints, MarginPoints, MarginPoints, MarginPoints), QPageLayout::Point);
}
} // namespace

ReportLayout ReportPdfLayout(const std::string& reportText, const QPageSize& paper) {
    QPdfWriter probe(QStringLiteral("/dev/null"));
    probe.setResolution(Resolution);
    return Place(reportText, ReportPageLayout(paper), &probe).layout;
}

bool WriteReportPdf(const std::string& reportText, const QPageSize& paper, QIODevice& out, QString& error) {
    QPdfWriter writer(&out);
    writer.setResolution(Resolution);
    writer.setTitle(QStringLiteral("Tarvos report"));
    writer.setCreator(QStringLiteral("Tarvos"));
    writer.setPageLayout(ReportPageLayout(paper));
    const Placement p = Place(reportText, writer.pageLayout(), &writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("the PDF could not be started");
        return false;
    }
    const double toDevice = Resolution / 72.0;
    painter.setFont(ReportFont(p.layout.fontPoints));
    const double ascent = QFontMetricsF(painter.font(), &writer).ascent();
    // The painter's origin is the corner of the printable area.
    bool firstSheet = true;
    for (const SheetLines& sheet : p.layout.sheets) {
        if (!firstSheet)
            writer.newPage();
        firstSheet = false;
        const auto& lines = p.pages[static_cast<std::size_t>(sheet.page)];
        for (int i = 0; i < sheet.lineCount; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(sheet.firstLine + i)];
            if (line.empty())
                continue;
            const double y = ascent + i * p.layout.lineSpacing * toDevice;
            painter.drawText(QPointF(0, y), QString::fromStdString(Utf8FromCp1252(line)));
        }
    }
    if (!painter.end()) {
        error = QStringLiteral("the PDF could not be finished");
        return false;
    }
    return true;
}

bool WriteReportPdf(const std::string& reportText, const QPageSize& paper, const QString& path,
                    QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!WriteReportPdf(reportText, paper, static_cast<QIODevice&>(file), error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

QPageSize DefaultReportPaper() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    return QLocale().measurementSystem() == QLocale::MetricSystem ? QPageSize(QPageSize::A4)
                                                                  : QPageSize(QPageSize::Letter);
}
