#include "clients/RegistrationSequence.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "shell/RunState.h"

RegistrationSequence::RegistrationSequence(RegistrationKind kind, bool answersFirst)
    : m_kind(kind), m_answersFirst(answersFirst) {}

RegistrationStart RegistrationSequence::Start() {
    m_step = RegistrationStep::Finished;
    m_completed = false;
    if (m_kind == RegistrationKind::NewClient && DataDiskFull())
        return RegistrationStart::DataDiskFull;
    if (m_kind == RegistrationKind::EditClient && (CurrentClient < 1 || CurrentClient > ClientCount))
        return RegistrationStart::NoClient;
    EditExisting = m_kind == RegistrationKind::EditClient;
    ScannedAnswers = false;
    Proceed = false;
    m_previousClient = CurrentClient;
    m_countBefore = ClientCount;
    m_step = m_answersFirst ? RegistrationStep::AnswersFirst : RegistrationStep::ClientInformation;
    return RegistrationStart::Started;
}

RegistrationStep RegistrationSequence::StepClosed(bool completed) {
    Proceed = false;
    if (m_step == RegistrationStep::Finished)
        return m_step;
    if (!completed) {
        Finish();
        return m_step;
    }
    switch (m_step) {
    case RegistrationStep::AnswersFirst:
        m_step = RegistrationStep::ClientInformation;
        break;
    case RegistrationStep::ClientInformation:
        m_step = RegistrationStep::CourtHistory;
        break;
    case RegistrationStep::CourtHistory:
        m_step = RegistrationStep::Answers;
        break;
    case RegistrationStep::Answers:
        m_completed = true;
        Finish();
        break;
    case RegistrationStep::Finished:
        break;
    }
    return m_step;
}

void RegistrationSequence::Finish() {
    m_step = RegistrationStep::Finished;
    if (m_kind == RegistrationKind::NewClient && ClientCount == m_countBefore) {
        m_completed = false;
        AbandonNewClient(m_previousClient);
    }
}
