#include "presentation/qt/OnscreenTest.h"

#include "presentation/QuestionDatabase.h"
#include "presentation/qt/frmPresentQA.h"
#include "presentation/qt/frmSelectLanguage.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"

#include <QApplication>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Onscreen Presentation");

void CannotStart(const FileError& err) {
    MsgBox(QStringLiteral("The test cannot start.\n\n") + FromCp1252(err.description), vbOKOnly | vbCritical,
           Title);
}
} // namespace

bool RunOnscreenTest(QWidget* parent, MsgPanel* status, bool& presented) {
    std::string language;
    {
        frmSelectLanguage languages(parent);
        const int16_t n = languages.LanguageCount();
        if (n == 0) {
            CannotStart(languages.LanguageError());
            return false;
        }
        if (n < 2) {
            language = ToCp1252(languages.cmdMenuChoice[0]->text());
        } else {
            Proceed = false;
            languages.exec();
            if (!Proceed)
                return false;
            language = languages.Language;
        }
    }
    // The whole table is read and checked before the client sees anything of the test.
    std::vector<ItemRecord> items;
    if (const FileError err = LoadPresentationItems(QuestionDatabasePath, language, items); !err.ok()) {
        CannotStart(err);
        return false;
    }
    if (status)
        status->setText(QStringLiteral("Press the Enter key to continue."));
    MsgBox(QStringLiteral("Press the Enter key to begin the test."), vbOKOnly, Title);

    Proceed = false;
    frmPresentQA test(parent, language, std::move(items));
    presented = true;
    test.exec();
    QApplication::processEvents();
    return test.Completed();
}
