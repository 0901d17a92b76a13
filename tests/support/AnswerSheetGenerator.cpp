#include "support/AnswerSheetGenerator.h"

#include "entry/MarkReading.h"
#include "entry/qt/AnswerSheetDrawing.h"

#include <QPainter>
#include <cmath>

const QImage& BlankSheetImage() {
    static const QImage blank = RenderAnswerSheet(AnswerSheetLayout(), 100);
    return blank;
}

void DrawPencilMark(QImage& page, const PencilMark& mark, std::mt19937& rng) {
    const SheetLocation& loc = AnswerSheetLayout().locations.at(mark.location);
    std::uniform_real_distribution<double> wobble(-0.15, 0.15), unit(0, 1);
    const QPointF centre(loc.bubbleX(mark.bubble) + 0.5 + 5 * wobble(rng),
                         loc.bubbleY(mark.bubble) + 0.5 + 5 * wobble(rng));
    QPolygonF outline;
    const double squash = 1 + wobble(rng);
    for (int k = 0; k < 18; ++k) {
        const double a = 2 * M_PI * k / 18, r = mark.radius * (1 + wobble(rng) / 2);
        outline << centre + QPointF(r * std::cos(a) * squash, r * std::sin(a) / squash);
    }
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(mark.grey, mark.grey, mark.grey));
    p.drawPolygon(outline);
    p.end();
    // Paper shows through where the pencil skipped.
    const QRect box = outline.boundingRect().toAlignedRect() & page.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (unit(rng) > mark.coverage)
                page.setPixel(x, y, qRgb(250, 250, 250));
}

QImage ScanPage(const QImage& page, const ScanConditions& conditions, std::mt19937& rng) {
    QImage scan(page.size(), QImage::Format_RGB32);
    scan.fill(Qt::white);
    QPainter p(&scan);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(conditions.shiftX + page.width() / 2.0, conditions.shiftY + page.height() / 2.0);
    p.rotate(conditions.skewDegrees);
    p.drawImage(-page.width() / 2, -page.height() / 2, page);
    p.end();
    std::uniform_int_distribution<int> px(0, scan.width() - 2), py(0, scan.height() - 2), grey(30, 140),
        size(1, 2);
    for (int k = 0; k < conditions.speckles; ++k) {
        // A speck touching a registration box would move it.
        const int x = px(rng), y = py(rng), g = grey(rng), w = size(rng), h = size(rng);
        if (y < 110 && (x < 90 || x > 760))
            continue;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                scan.setPixel(x + i, y + j, qRgb(g, g, g));
    }
    if (conditions.blur) {
        const QImage sharp = scan.copy();
        for (int y = 1; y + 1 < scan.height(); ++y) {
            QRgb* out = reinterpret_cast<QRgb*>(scan.scanLine(y));
            for (int x = 1; x + 1 < scan.width(); ++x) {
                int r = 0, g = 0, b = 0;
                for (int j = -1; j <= 1; ++j) {
                    const QRgb* in = reinterpret_cast<const QRgb*>(sharp.constScanLine(y + j));
                    for (int i = -1; i <= 1; ++i) {
                        r += qRed(in[x + i]);
                        g += qGreen(in[x + i]);
                        b += qBlue(in[x + i]);
                    }
                }
                out[x] = qRgb((r + 4) / 9, (g + 4) / 9, (b + 4) / 9);
            }
        }
    }
    if (conditions.grey) {
        QImage greyPage(scan.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < scan.height(); ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(scan.constScanLine(y));
            uchar* out = greyPage.scanLine(y);
            for (int x = 0; x < scan.width(); ++x)
                out[x] = static_cast<uchar>(
                    std::lround(0.299 * qRed(in[x]) + 0.587 * qGreen(in[x]) + 0.114 * qBlue(in[x])));
        }
        return greyPage;
    }
    return scan;
}

FilledSheet RandomFilledSheet(std::mt19937& rng) {
    const SheetLayout& layout = AnswerSheetLayout();
    std::uniform_real_distribution<double> coverage(0.7, 0.95), radius(5.2, 6.2);
    std::uniform_int_distribution<int> grey(40, 150);
    std::bernoulli_distribution blankLocation(0.2);
    FilledSheet sheet{BlankSheetImage().copy(), {}};
    for (std::size_t k = 0; k < layout.locations.size(); ++k) {
        const int count = layout.locations[k].count;
        const int bubble = blankLocation(rng) ? -1 : std::uniform_int_distribution<int>(0, count - 1)(rng);
        sheet.marked.push_back(bubble);
        if (bubble >= 0)
            DrawPencilMark(sheet.page, {k, bubble, grey(rng), coverage(rng), radius(rng)}, rng);
    }
    return sheet;
}

std::string ExpectedText(const SheetLocation& loc, int bubble) {
    if (loc.kind == LocationKind::DigitColumn || loc.kind == LocationKind::CountRow)
        return bubble < 0 ? "N" : std::to_string(bubble);
    return std::to_string(bubble + 1);
}

std::vector<std::string> ReadEachLocation(ScanItemCursor& items) {
    std::vector<std::string> texts;
    items.MoveFirst();
    for (const SheetLocation& loc : AnswerSheetLayout().locations) {
        if (!texts.empty())
            items.MoveNext();
        std::string text;
        if (loc.kind == LocationKind::DigitColumn)
            ReadDigitColumn(items, text);
        else if (loc.kind == LocationKind::ChoiceRow)
            ReadChoiceRow(items, text);
        else
            ReadBubbleRow(items, text, loc.kind == LocationKind::AnswerRow ? 1 : 0);
        texts.push_back(text);
    }
    return texts;
}
