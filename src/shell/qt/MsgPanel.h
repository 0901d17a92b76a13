#pragma once
#include <QLabel>

// The status panel along the bottom edge of every window: the help line for the focused control,
// wrapped onto a second line where the window is narrower than the text.
class MsgPanel : public QLabel {
    Q_OBJECT
public:
    explicit MsgPanel(QWidget* parent = nullptr);
};
