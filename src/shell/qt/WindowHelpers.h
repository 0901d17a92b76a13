#pragma once
// The look and keyboard rules every window shares: menu buttons on coloured panels, bold labels of
// the field being edited, centring, the busy pointer and the bell.
#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>

class QBoxLayout;
class QFrame;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

constexpr unsigned PanelNormal = 0xFF0000;  // blue
constexpr unsigned PanelFocused = 0xFFFF00; // cyan
constexpr unsigned TextBlack = 0x000000;
constexpr unsigned TextWhite = 0xFFFFFF;

// A 0x00BBGGRR colour number as a QColor.
QColor ColorFromBgr(unsigned bgr);
// Sets a widget's background (and, when given, text) colour from 0x00BBGGRR numbers.
void SetBackColor(QWidget* widget, unsigned bgr);
void SetForeColor(QWidget* widget, unsigned bgr);

// A client-list frame with the focus (cyan, black bold caption) or without it (blue, white caption).
void PaintListFrame(QWidget* frame, bool focused);
// The names inside such a frame keep their normal weight when its caption turns bold. They are shown
// in the window's own font: a second typeface would cost the main menu's start-up a font load.
void KeepListFontPlain(QWidget* list);

// Centres `window` on its screen: top first, then left.
void CenterForm(QWidget* window);
// True when low <= value <= high.
bool InRange(int16_t value, int16_t low, int16_t high);
// The hourglass, or the normal pointer again; both let pending events run so the change shows at once.
void BusyPointer();
void NormalPointer();

// Panels sspMenuChoice_0..lastIndex blue and captions of cmdMenuChoice_0..lastIndex normal weight.
void ResetMenuChoices(QWidget* window, int lastIndex);
// ResetMenuChoices, then panel `index` cyan and its caption bold.
void HighlightMenuChoice(QWidget* window, int lastIndex, int index);
// Labels lblInfo_0..lastIndex of the active window normal weight; HighlightLabel then makes `index` bold.
void ResetLabels(int lastIndex);
void HighlightLabel(int lastIndex, int index);
// The same on `window`'s own labels, whichever window is active (a message box may be).
void ResetLabels(QWidget* window, int lastIndex);
void HighlightLabel(QWidget* window, int lastIndex, int index);
// Gives `widget` at least the size its text needs in bold, so that turning bold on focus moves nothing.
void ReserveBoldSize(QWidget* widget);
// Selects the whole text of the active window's focused control; controls without text are left alone.
void SelectAllText();

// True for Enter on either keyboard block.
bool IsEnterKey(const QKeyEvent* key);

// The bell. Tests count how often it sounded.
void Beep();
int BeepCount();
void ResetBeepCount();

// A menu button on its 3D panel, built the same way in every window (objectNames cmdMenuChoice_i and
// sspMenuChoice_i). The button is never a default button; on it Enter clicks, Space presses, Tab and
// the arrow keys move the focus, and every other key is swallowed. The panel is blue.
struct MenuChoice {
    QFrame* ssp;
    QPushButton* cmd;
};
MenuChoice MakeMenuChoice(QWidget* parent, int index, const QString& caption);
// A menu button's panel cyan with a bold caption (lit), or blue with a normal caption.
void PaintMenuChoice(MenuChoice choice, bool lit);
// The same, with the button's focus and key events sent through `window`'s event filter and a press
// calling onClick(index): how every window wires its menu buttons.
MenuChoice MakeMenuChoice(QWidget* parent, int index, const QString& caption, QObject* window,
                          std::function<void(int)> onClick);
// Makes every window of the program take the keyboard when it is shown, as a window manager would;
// bare X servers leave a new window without focus. Called once by the program.
void ActivateWindowsWhenShown();

// The sunken box `name` that holds a window's fields, added to `outer`, with its grid of labels and
// fields laid out the same way in every window.
QGridLayout* AddFieldFrame(QWidget* parent, QBoxLayout* outer, QFrame*& frame, const char* name);
// A label `name` in bold, as the client's name is shown above the fields.
QLabel* NewBoldLabel(QWidget* parent, const char* name);
// The program's name as a heading, `scale` times the normal font size, in bold.
QLabel* NewTitleLabel(QWidget* parent, double scale);

// A plain push button that Enter clicks while it has the focus (Qt's buttons take only Space).
void ClickOnEnter(QPushButton* button);
