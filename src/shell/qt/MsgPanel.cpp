#include "shell/qt/MsgPanel.h"

MsgPanel::MsgPanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("MsgPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setContentsMargins(6, 2, 6, 2);
    // A help line longer than the window wraps onto a second line; the room for it is always there,
    // so a longer or shorter line never moves the controls above.
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFixedHeight(2 * fontMetrics().lineSpacing() + 4 + 2 * frameWidth() + 4);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}
