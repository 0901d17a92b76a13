#pragma once
// The sound output of the desktop program: QSoundEffect on the default output of Qt Multimedia. A new
// sound stops the one playing, then replaces the source and plays it; nothing waits for a sound.
#include "presentation/AudioDevice.h"

#include <functional>
#include <memory>

class QSoundEffect;

class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice();
    ~QtAudioDevice() override;

    // False when Qt lists no audio output.
    bool Open() override;
    void Play(const std::string& path) override;
    void Stop() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

// Each onscreen test makes its own sound output, and drops it when it ends (before the application
// goes), through NewAudioDevice: a QtAudioDevice, or what an installed factory makes (tests).
using AudioDeviceFactory = std::function<std::unique_ptr<AudioDevice>()>;
std::unique_ptr<AudioDevice> NewAudioDevice();
// An empty factory puts the machine's sound output back.
void SetAudioDeviceFactory(AudioDeviceFactory factory);
