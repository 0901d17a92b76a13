#pragma once
// Program-wide state for test fixtures: one reset to the state of a fresh process, and installing a
// fake platform layer while keeping a handle on it.
#include <memory>

// Resets the client table and file, the data drive, the run flags, the settings mirrors, the report
// options, the scan state, the window hooks (end-program handler, name-list refresher, splash length,
// bell count) and puts the real platform layers back. The message-box responder is left alone: it
// belongs to MessageScript, which a fixture constructs before its SetUp runs.
void ResetProgramState();

// Installs `fake` with the layer's setter (such as SetProgramVolumes) and returns it; the layer owns it
// until the next install or ResetProgramState().
template <class Fake, class Layer>
Fake* Install(void (*set)(std::unique_ptr<Layer>), std::unique_ptr<Fake> fake) {
    Fake* raw = fake.get();
    set(std::move(fake));
    return raw;
}
