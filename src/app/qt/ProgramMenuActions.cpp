#include "app/qt/ProgramMenuActions.h"

#include "clients/qt/RunRegistration.h"
#include "entry/qt/frmNewEntry.h"
#include "presentation/qt/frmSelectEntryMethod.h"

MainMenuActions ProgramMenuActions() {
    MainMenuActions actions;
    actions.EditCurrentClient = [](QWidget* menu) {
        RunRegistration(menu, RegistrationKind::EditClient,
                        {.answersFirst = {}, .answers = RunModalStep<frmNewEntry>});
    };
    actions.AddNewClient = [](QWidget* menu) {
        if (RefuseNewClientOnFullDisk())
            return;
        frmSelectEntryMethod method(menu);
        method.exec();
    };
    return actions;
}
