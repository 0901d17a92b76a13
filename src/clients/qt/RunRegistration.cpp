#include "clients/qt/RunRegistration.h"

#include "clients/Registration.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "shell/qt/MsgBox.h"

namespace {
bool RunStep(const AnswerStep& step, QWidget* parent) {
    return step && step(parent);
}
} // namespace

bool RefuseNewClientOnFullDisk() {
    if (!DataDiskFull())
        return false;
    MsgBox(QStringLiteral("This data disk already holds 51 clients.\nUse a new data disk for more clients."),
           vbOKOnly | vbInformation, QStringLiteral("Data Disk Full"));
    return true;
}

bool RunRegistration(QWidget* parent, RegistrationKind kind, const RegistrationSteps& steps) {
    RegistrationSequence sequence(kind, static_cast<bool>(steps.answersFirst));
    switch (sequence.Start()) {
    case RegistrationStart::Started:
        break;
    case RegistrationStart::DataDiskFull:
        RefuseNewClientOnFullDisk();
        return false;
    case RegistrationStart::NoClient:
        return false;
    }
    for (;;) {
        switch (sequence.Step()) {
        case RegistrationStep::AnswersFirst:
            sequence.StepClosed(RunStep(steps.answersFirst, parent));
            break;
        case RegistrationStep::ClientInformation:
            sequence.StepClosed(RunModalStep<frmClientInfo>(parent));
            break;
        case RegistrationStep::CourtHistory:
            sequence.StepClosed(RunModalStep<frmCourtHistory>(parent));
            break;
        case RegistrationStep::Answers:
            sequence.StepClosed(RunStep(steps.answers, parent));
            break;
        case RegistrationStep::Finished:
            return sequence.Completed();
        }
    }
}
