#include "support/AnswerSheetGenerator.h"

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
    return scan;
}
