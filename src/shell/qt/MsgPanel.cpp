#include "shell/qt/MsgPanel.h"

MsgPanel::MsgPanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("MsgPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
    setMinimumHeight(fontMetrics().height() + 8);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setContentsMargins(6, 2, 6, 2);
}
