#include "entry/qt/AnswerSheetDrawing.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {

constexpr double PdfResolution = 1200;
const QColor PencilGrey(70, 70, 70);

// Distance from a row caption's right end to the centre of the row's first bubble.
constexpr double CaptionGap = 16;

QColor Ink(const SheetLayout& layout, SheetInk ink) {
    return ink == SheetInk::Black ? QColor(Qt::black) : DropoutInk(layout);
}

// A font of `points` on a painter scaled to hundredths of an inch.
QFont SheetFont(const QPainter& painter, double points, SheetFontStyle style = SheetFontStyle::Regular) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points * 100.0 / painter.device()->logicalDpiY());
    font.setBold(style == SheetFontStyle::Bold);
    font.setItalic(style == SheetFontStyle::Italic);
    return font;
}

// Draws `words` ("|" breaks lines) with the first baseline at y, aligned on x.
void DrawWords(QPainter& painter, double x, double y, const QString& words, SheetAlign align) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    double baseline = y;
    for (const QString& line : words.split(QLatin1Char('|'))) {
        const double width = metrics.horizontalAdvance(line);
        double left = x;
        if (align == SheetAlign::Centre)
            left = x - width / 2;
        else if (align == SheetAlign::Right)
            left = x - width;
        painter.drawText(QPointF(left, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

// Text centred on a point, both ways (a bubble's letter).
void DrawCentred(QPainter& painter, QPointF centre, const QString& words) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(words);
    painter.drawText(QPointF(centre.x() - width / 2, centre.y() + (metrics.ascent() - metrics.descent()) / 2),
                     words);
}

// The printed bubble is centred in the 15 x 15 square read for it.
QPointF BubbleCentre(const SheetLocation& loc, int i) {
    return {loc.bubbleX(i) + 0.5, loc.bubbleY(i) + 0.5};
}

void DrawBubble(QPainter& painter, const SheetLayout& layout, QPointF centre) {
    const double diameter = layout.bubbleDiameter;
    painter.setPen(QPen(DropoutInk(layout), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, diameter / 2, diameter / 2);
}

void DrawLocation(QPainter& painter, const SheetLayout& layout, const SheetLocation& loc) {
    const double radius = layout.bubbleDiameter / 2;
    for (int i = 0; i < loc.count; ++i)
        DrawBubble(painter, layout, BubbleCentre(loc, i));

    const QPointF first = BubbleCentre(loc, 0);
    if (loc.kind == LocationKind::DigitColumn) {
        painter.setPen(QPen(DropoutInk(layout), 0.9));
        painter.drawRect(QRectF(first.x() - 9, first.y() - 33, 18, 20));
    } else {
        const bool choice = loc.kind == LocationKind::ChoiceRow;
        painter.setPen(Qt::black);
        painter.setFont(
            SheetFont(painter, choice ? 8 : 7.5,
                      loc.kind == LocationKind::CountRow ? SheetFontStyle::Regular : SheetFontStyle::Bold));
        const QFontMetricsF metrics(painter.font(), painter.device());
        DrawWords(painter, loc.x - CaptionGap, first.y() + (metrics.ascent() - metrics.descent()) / 2,
                  QString::fromStdString(loc.caption), SheetAlign::Right);
    }

    painter.setPen(DropoutInk(layout));
    if (loc.kind == LocationKind::ChoiceRow) {
        painter.setFont(SheetFont(painter, 7));
        const QFontMetricsF metrics(painter.font(), painter.device());
        for (int i = 0; i < loc.count; ++i) {
            const QPointF c = BubbleCentre(loc, i);
            DrawWords(painter, c.x(), c.y() + radius + metrics.ascent() + 1,
                      QString::fromStdString(loc.labels[static_cast<std::size_t>(i)]), SheetAlign::Centre);
        }
    } else {
        painter.setFont(SheetFont(painter, 5.5));
        for (int i = 0; i < loc.count; ++i)
            DrawCentred(painter, BubbleCentre(loc, i),
                        QString::fromStdString(loc.labels[static_cast<std::size_t>(i)]));
    }
}

void DrawSample(QPainter& painter, const SheetLayout& layout, const SheetSample& sample) {
    const QPointF c(sample.x, sample.y);
    const double r = layout.bubbleDiameter / 2;
    DrawBubble(painter, layout, c);
    painter.setPen(QPen(PencilGrey, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (sample.kind) {
    case SampleKind::Good:
        painter.setBrush(PencilGrey);
        painter.drawEllipse(c, r - 0.5, r - 0.5);
        break;
    case SampleKind::Tick: {
        QPainterPath tick;
        tick.moveTo(c + QPointF(-r * 0.6, 0));
        tick.lineTo(c + QPointF(-r * 0.1, r * 0.55));
        tick.lineTo(c + QPointF(r * 0.8, -r * 0.8));
        painter.drawPath(tick);
        break;
    }
    case SampleKind::Cross:
        painter.drawLine(c + QPointF(-r * 0.6, -r * 0.6), c + QPointF(r * 0.6, r * 0.6));
        painter.drawLine(c + QPointF(-r * 0.6, r * 0.6), c + QPointF(r * 0.6, -r * 0.6));
        break;
    case SampleKind::Dot:
        painter.setBrush(PencilGrey);
        painter.drawEllipse(c, r * 0.25, r * 0.25);
        break;
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace

QColor DropoutInk(const SheetLayout& layout) {
    return QColor(layout.dropout.red, layout.dropout.green, layout.dropout.blue);
}

void DrawAnswerSheet(QPainter& painter, const SheetLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    for (const SheetSquare& s : {layout.anchor, layout.reference})
        painter.fillRect(QRect(s.x, s.y, s.size, s.size), Qt::black);

    for (const SheetRule& rule : layout.rules) {
        painter.setPen(QPen(Ink(layout, rule.ink), 1.0));
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }
    for (const SheetText& text : layout.texts) {
        painter.setPen(Ink(layout, text.ink));
        painter.setFont(SheetFont(painter, text.size, text.style));
        DrawWords(painter, text.x, text.y, QString::fromStdString(text.words), text.align);
    }
    for (const SheetSample& sample : layout.samples)
        DrawSample(painter, layout, sample);
    for (const SheetLocation& loc : layout.locations)
        DrawLocation(painter, layout, loc);
    painter.restore();
}

QImage RenderAnswerSheet(const SheetLayout& layout, int dpi) {
    const double scale = dpi / 100.0;
    QImage image(static_cast<int>(layout.pageWidth * scale + 0.5),
                 static_cast<int>(layout.pageHeight * scale + 0.5), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.scale(scale, scale);
    DrawAnswerSheet(painter, layout);
    return image;
}

QByteArray AnswerSheetPdf(const SheetLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QSizeF(layout.pageWidth / 100.0, layout.pageHeight / 100.0), QPageSize::Inch,
                                 QStringLiteral("Answer sheet"), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(static_cast<int>(PdfResolution));
    writer.setTitle(QStringLiteral("Tarvos answer sheet"));
    writer.setCreator(QStringLiteral("Tarvos"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.scale(PdfResolution / 100.0, PdfResolution / 100.0);
    DrawAnswerSheet(painter, layout);
    if (!painter.end())
        return {};
    return buffer.data();
}
