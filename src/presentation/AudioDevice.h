#pragma once
// The sound output the onscreen test speaks through. One sound at a time: Play cuts off the sound
// still playing. Nothing here ever waits for a sound to end.
#include <functional>
#include <string>

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Prepares the output; false when the machine has no sound output or it cannot be opened, and
    // then nothing is played.
    virtual bool Open() = 0;
    // Stops the sound playing, if any, and starts the RIFF/WAVE file `path`; returns at once.
    virtual void Play(const std::string& path) = 0;
    // Stops the sound playing, if any.
    virtual void Stop() = 0;

    // Called (later, from the event loop) when a started file cannot be played: a number and the
    // description for the "Sound Error" message.
    using ErrorHandler = std::function<void(int number, const std::string& description)>;
    void SetErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

protected:
    void ReportError(int number, const std::string& description) const {
        if (m_onError)
            m_onError(number, description);
    }

private:
    ErrorHandler m_onError;
};
