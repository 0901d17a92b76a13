#pragma once
#include <QLabel>

// The status panel along the bottom edge of every window: one line of help for the focused control.
class MsgPanel : public QLabel {
    Q_OBJECT
public:
    explicit MsgPanel(QWidget* parent = nullptr);
};
