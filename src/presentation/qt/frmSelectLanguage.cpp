#include "presentation/qt/frmSelectLanguage.h"

#include "clients/ClientFile.h"
#include "presentation/QuestionDatabase.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgPanel.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int CancelChoice = 3;
}

frmSelectLanguage::frmSelectLanguage(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmSelectLanguage"),
                   QStringLiteral("Select Presentation Language")) {
    SetCancelChoice(CancelChoice);
    auto* outer = new QVBoxLayout(this);
    fraSelectMethod = new QGroupBox(QStringLiteral("Select Language to Present"), this);
    fraSelectMethod->setObjectName(QStringLiteral("fraSelectMethod"));
    auto* column = new QVBoxLayout(fraSelectMethod);
    column->setContentsMargins(30, 24, 30, 24);
    column->setSpacing(12);
    AddMenuChoices(fraSelectMethod, column,
                   {QStringLiteral("English"), QStringLiteral("Spanish"), QStringLiteral("Language"),
                    QStringLiteral("Cancel Presentation")});
    for (int i = 0; i < CancelChoice; ++i)
        sspMenuChoice[static_cast<std::size_t>(i)]->hide();
    for (QPushButton* b : cmdMenuChoice)
        b->setMinimumWidth(320);
    outer->addWidget(fraSelectMethod);
    AddStatusPanel(outer);
    adjustSize();
}

int16_t frmSelectLanguage::LanguageCount() {
    std::vector<std::string> languages;
    m_error = ListPresentationLanguages(QuestionDatabasePath, languages);
    int16_t n = 0;
    for (const std::string& language : languages) {
        if (n == CancelChoice)
            break;
        const auto k = static_cast<std::size_t>(n++);
        cmdMenuChoice[k]->setText(FromCp1252(language));
        cmdMenuChoice[k]->setAccessibleDescription(QStringLiteral("Present in ") + FromCp1252(language));
        sspMenuChoice[k]->show();
    }
    adjustSize();
    return n;
}

void frmSelectLanguage::Form_Activate() {
    TarvosDialog::Form_Activate();
    cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
}

void frmSelectLanguage::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    const QPushButton* b = cmdMenuChoice[static_cast<std::size_t>(index)];
    msgPanel->setText(index == CancelChoice ? QStringLiteral("Cancel presentation")
                                            : QStringLiteral("Present in ") + b->text());
}

void frmSelectLanguage::cmdMenuChoice_Click(int index) {
    if (index == CancelChoice) {
        if (!EditExisting) {
            ClearCurrentRecord();
            CurrentClient = 1;
        }
        Finish(false);
        return;
    }
    Language = ToCp1252(cmdMenuChoice[static_cast<std::size_t>(index)]->text());
    Finish(true);
}
