#pragma once
// "Select Presentation Language": the languages of the question database as buttons, for the
// onscreen test, when there is more than one.
#include "shell/FileError.h"
#include "shell/qt/TarvosDialog.h"

#include <string>

class QGroupBox;

class frmSelectLanguage : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmSelectLanguage(QWidget* parent = nullptr);

    QGroupBox* fraSelectMethod;
    // The language chosen (the caption of its button).
    std::string Language;

    // Makes one button per language table of the question database, in table order, and returns how
    // many; 0 when there is none or the database cannot be read (then LanguageError says why).
    int16_t LanguageCount();
    const FileError& LanguageError() const { return m_error; }

    void Form_Activate() override;
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;

private:
    FileError m_error;
};
