#include "shell/qt/Logo.h"

#include "shell/qt/WindowHelpers.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

QPixmap TarvosLogo(int size, double progress) {
    progress = std::clamp(progress, 0.0, 1.0);
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(size * 0.05, size * 0.05, size * 0.9, size * 0.9);

    // The ring closes first, then the letter fades in.
    const double ring = std::min(1.0, progress / 0.6);
    QPen ringPen(ColorFromBgr(PanelNormal), size * 0.07, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ringPen);
    p.drawArc(box, 90 * 16, static_cast<int>(-360 * 16 * ring));

    const double letter = std::clamp((progress - 0.4) / 0.6, 0.0, 1.0);
    if (letter > 0) {
        p.setOpacity(letter);
        QPainterPath t;
        const double w = size * 0.5, top = size * 0.28, bar = size * 0.1;
        t.addRect(QRectF(size / 2.0 - w / 2, top, w, bar));
        t.addRect(QRectF(size / 2.0 - bar / 2, top, bar, size * 0.45));
        p.fillPath(t, ColorFromBgr(0x996600));
        p.setPen(QPen(ColorFromBgr(PanelFocused), size * 0.02));
        p.drawPath(t);
    }
    return pm;
}
