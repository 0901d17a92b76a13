#pragma once
// The order of a registration and the decisions between its windows, free of any window: client
// information, court history, then the answers (keyed, onscreen or checked after a scan), with an
// optional answer step before the client windows (a scan that fills them). A window that does not
// end with its OK ends the registration; a new client that stored nothing is dropped and the client
// current before becomes current again. Proceed is cleared before every window.
#include <cstdint>

enum class RegistrationKind { NewClient, EditClient };

enum class RegistrationStep { AnswersFirst, ClientInformation, CourtHistory, Answers, Finished };

enum class RegistrationStart {
    Started,
    DataDiskFull, // a new client does not fit on the data disk; nothing was changed
    NoClient,     // there is no current client to edit; nothing was changed
};

class RegistrationSequence {
public:
    // `answersFirst`: an answer step runs before the client windows.
    RegistrationSequence(RegistrationKind kind, bool answersFirst);

    // Sets EditExisting, clears ScannedAnswers and Proceed, and remembers the current client and the
    // client count. Anything but Started leaves the sequence Finished.
    RegistrationStart Start();
    RegistrationStep Step() const { return m_step; }
    // The window (or answer step) of the current step has closed: `completed` only when it ended with
    // its OK. Clears Proceed and returns the next step.
    RegistrationStep StepClosed(bool completed);
    // True once the registration completed every step; a new client is then counted in.
    bool Completed() const { return m_completed; }

private:
    void Finish();

    RegistrationKind m_kind;
    bool m_answersFirst;
    RegistrationStep m_step = RegistrationStep::Finished;
    bool m_completed = false;
    int16_t m_previousClient = 0;
    int16_t m_countBefore = 0;
};
