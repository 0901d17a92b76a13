#pragma once
// The application's style, drawn the same but with less work in a window's first frame.
#include <QProxyStyle>

class QuickStartStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps `base`, and takes it over as QProxyStyle does.
    explicit QuickStartStyle(QStyle* base);

    // The menu bar's overflow arrows are read when first drawn.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
    // A scroll bar taller than BandRows is drawn in bands.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;

    // Qt's raster engine hands a gradient fill of more than 95 rows to its thread pool, and the first
    // such fill starts the pool's threads; a band of this many rows stays on the painting thread.
    static constexpr int BandRows = 95;
};

// Makes the application's style a QuickStartStyle around it, once.
void UseQuickStartStyle();
