#include "support/AnswerSheetGenerator.h"

#include "entry/qt/AnswerSheetDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

const QImage& BlankSheetImage() {
    static const QImage blank = RenderAnswerSheet(AnswerSheetLayout(), 100);
    return blank;
}

void DrawPencilMark(QImage& page, const PencilMark& mark, std::mt19937& rng) {
    const SheetLocation& loc = AnswerSheetLayout().locations.at(mark.location);
    std::uniform_real_distribution<double> wobble(-0.15, 0.15), jitter(-0.8, 0.8), unit(0, 1);
    const QPointF centre(loc.bubbleX(mark.bubble) + 0.5 + jitter(rng),
                         loc.bubbleY(mark.bubble) + 0.5 + jitter(rng));

    // An uneven outline: a pencil never draws a true circle.
    QPolygonF outline;
    const double squash = 1 + wobble(rng);
    for (int k = 0; k < 18; ++k) {
        const double a = 2 * M_PI * k / 18;
        const double r = mark.radius * (1 + wobble(rng) / 2);
        outline << centre + QPointF(r * std::cos(a) * squash, r * std::sin(a) / squash);
    }
    const QRect box = outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & page.rect();
    QImage blob(box.size(), QImage::Format_ARGB32);
    blob.fill(Qt::transparent);
    {
        QPainter p(&blob);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-box.topLeft());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(mark.grey, mark.grey, mark.grey));
        p.drawPolygon(outline);
    }
    // Leave gaps where the pencil skipped, and vary the pressure a little.
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb b = blob.pixel(x - box.left(), y - box.top());
            if (qAlpha(b) == 0 || unit(rng) > mark.coverage)
                continue;
            const double alpha = qAlpha(b) / 255.0;
            const int grey = std::clamp(mark.grey + static_cast<int>(wobble(rng) * 60), 0, 255);
            const QColor under = page.pixelColor(x, y);
            auto mix = [&](int c) {
                return static_cast<int>(std::min<double>(c, c * (1 - alpha) + grey * alpha));
            };
            page.setPixelColor(x, y, QColor(mix(under.red()), mix(under.green()), mix(under.blue())));
        }
    }
}

QImage ScanPage(const QImage& page, const ScanConditions& conditions, std::mt19937& rng) {
    QImage scan(page.size(), QImage::Format_RGB32);
    scan.fill(Qt::white);
    {
        QPainter p(&scan);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF centre(page.width() / 2.0, page.height() / 2.0);
        QTransform t;
        t.translate(conditions.shiftX, conditions.shiftY);
        t.translate(centre.x(), centre.y());
        t.rotate(conditions.skewDegrees);
        t.translate(-centre.x(), -centre.y());
        p.setTransform(t);
        p.drawImage(0, 0, page);
    }
    const SheetLayout& layout = AnswerSheetLayout();
    std::uniform_int_distribution<int> px(0, scan.width() - 3), py(0, scan.height() - 3), grey(30, 140),
        size(1, 2);
    const int margin = 12; // a speck touching a registration box would move it
    auto nearBox = [&](int x, int y) {
        for (const SheetSquare& s : {layout.anchor, layout.reference})
            if (x > s.x - margin - 20 && x < s.x + s.size + margin + 20 && y > s.y - margin - 20 &&
                y < s.y + s.size + margin + 20)
                return true;
        return false;
    };
    for (int k = 0; k < conditions.speckles; ++k) {
        const int x = px(rng), y = py(rng);
        if (nearBox(x, y))
            continue;
        const int g = grey(rng), w = size(rng), h = size(rng);
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                scan.setPixel(x + dx, y + dy, qRgb(g, g, g));
    }
    return scan;
}
