#pragma once
// A sound output for tests: records what it was asked to play, plays nothing.
#include "platform/QtAudioDevice.h"
#include "presentation/AudioDevice.h"

#include <cstdint>
#include <string>
#include <vector>

class FakeAudioDevice : public AudioDevice {
public:
    bool present = true; // Open's answer: false stands for a machine without sound output
    // "stop", or "play " + the file's name without its folder, in the order asked.
    std::vector<std::string> calls;

    bool Open() override { return present; }
    void Play(const std::string& path) override;
    void Stop() override { calls.push_back("stop"); }
    // The file names played, without the stops.
    std::vector<std::string> Played() const;
    // As the real output does when a file it was given turns out unplayable.
    void Fail(int number, const std::string& description) const { ReportError(number, description); }
};

// A valid RIFF/WAVE file of `ms` milliseconds of silence (16 kHz mono).
std::string SilentWave(int ms = 50);

// A factory that hands `fake` itself (still owned by the test) to every test window.
AudioDeviceFactory Lend(FakeAudioDevice& fake);
