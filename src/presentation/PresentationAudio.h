#pragma once
// The voice of the onscreen test: InitAudio, PlayAudio and StopAudio over an AudioDevice. File names
// are looked up in the language's sound folder; a name that is empty, a file that is missing,
// unreadable or not RIFF/WAVE is silently not played. Every other failure is reported once per test,
// through the error handler, as the number and description of a "Sound Error" message.
#include "presentation/AudioDevice.h"

#include <functional>
#include <string>

// Error numbers of sound failures the test reports (the silent ones are never reported).
constexpr int SoundFileDamaged = 30001;    // RIFF/WAVE, but broken or in an encoding the device lacks
constexpr int SoundPlaybackFailed = 30002; // the device refused a file it was given

class PresentationAudio {
public:
    using ErrorHandler = std::function<void(int number, const std::string& description)>;

    // `soundPath` is the sound folder setting; `language` the item table presented.
    PresentationAudio(AudioDevice& device, std::string soundPath, std::string language);
    ~PresentationAudio();
    PresentationAudio(const PresentationAudio&) = delete;
    PresentationAudio& operator=(const PresentationAudio&) = delete;

    // Opens the device; AudioOn() is false for the rest of the test when it cannot be opened.
    void InitAudio();
    bool AudioOn() const { return m_audioOn; }
    // Cuts off the sound playing and starts `name` (such as "Q001.wav") of the language's folder.
    void PlayAudio(const std::string& name);
    void StopAudio();

    // The handler sees the first reported failure only; the test goes on with or without sound.
    void SetErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

private:
    void Report(int number, const std::string& description);

    AudioDevice& m_device;
    std::string m_soundPath;
    std::string m_language;
    bool m_audioOn = false;
    bool m_reported = false;
    ErrorHandler m_onError;
};
