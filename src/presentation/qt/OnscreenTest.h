#pragma once
// The answer step of "Administer Test to Client": the presentation language (asked only when the
// question database offers more than one), the item table checked, the confirmation, then the test.
class MsgPanel;
class QWidget;

// Returns true only when the test was completed and its answers stored. `presented` is set once the
// test window has opened: from then on the main menu may come back only after the secret code.
bool RunOnscreenTest(QWidget* parent, MsgPanel* status, bool& presented);
