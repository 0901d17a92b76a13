#include "shell/qt/QuickStartStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <algorithm>

namespace {
// Qt's styles read their standard icons from PNG files, and the first PNG file read in a process
// loads every image-format plugin (TIFF, WebP, MNG and their libraries: several milliseconds). The
// menu bar asks for its overflow arrow when it is made, though the arrow shows only when the menu bar
// is too narrow for its items; so the style hands out icons that are read when first drawn.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : m_style(style), m_which(which), m_widget(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    const QIcon& Icon() {
        if (!m_loaded) {
            // The style outlives every widget; the widget only tunes the icon and may be gone.
            m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
            m_loaded = true;
        }
        return m_icon;
    }

    const QStyle* m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;
    QIcon m_icon;
    bool m_loaded = false;
};
} // namespace

QuickStartStyle::QuickStartStyle(QStyle* base) : QProxyStyle(base) {}

QIcon QuickStartStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (!option &&
        (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIcon(baseStyle(), which, widget));
    return QProxyStyle::standardIcon(which, option, widget);
}

// Starting the raster engine's threads for a tall gradient fill costs more than filling a scroll bar's
// groove, and the main menu's client list shows one in its first frame. Each band is drawn whole into
// an image of its own and copied in, which gives the same pixels as drawing the bar at once (clipping
// the painter instead would not: a line crossing a band's edge is rasterised differently).
void QuickStartStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    const QRect r = option->rect;
    const qreal scale = painter->device()->devicePixelRatio();
    if (control != CC_ScrollBar || r.height() <= BandRows || !painter->transform().isIdentity() ||
        scale != 1.0) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    for (int top = r.top(); top <= r.bottom(); top += BandRows) {
        QImage band(r.width(), std::min(BandRows, r.bottom() - top + 1), QImage::Format_ARGB32_Premultiplied);
        band.fill(Qt::transparent);
        QPainter p(&band);
        p.setRenderHints(painter->renderHints());
        p.translate(-r.left(), -top);
        QProxyStyle::drawComplexControl(control, option, &p, widget);
        p.end();
        painter->drawImage(QPoint(r.left(), top), band);
    }
}

void UseQuickStartStyle() {
    if (!qobject_cast<QuickStartStyle*>(QApplication::style()))
        QApplication::setStyle(new QuickStartStyle(QApplication::style()));
}
