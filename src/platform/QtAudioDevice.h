#pragma once
// The sound output of the desktop program: QSoundEffect on the default output of Qt Multimedia.
#include "presentation/AudioDevice.h"

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
