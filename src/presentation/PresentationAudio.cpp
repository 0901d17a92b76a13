#include "presentation/PresentationAudio.h"

#include "presentation/QuestionDatabase.h"
#include "presentation/WaveHeader.h"
#include "shell/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Failures that only mean "no such sound here": the test stays silent for that sound.
bool SilentFailure(int number) {
    switch (number) {
    case 52: // bad file name
    case 53: // file not found
    case 57: // device I/O error
    case 68: // device unavailable
    case 70: // permission denied: the file cannot be read
    case 75: // path/file access error: not a file at all
    case 76: // path not found
        return true;
    default:
        return false;
    }
}

// Reads the first bytes of `path` and its size.
FileError ReadHead(const std::string& path, std::string& head, std::uint64_t& size) {
    // Not blocking: a named pipe given a sound's name must not stop the test.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return FileErrorFromErrno(err, path);
    }
    if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) {
        ::close(fd);
        return MakeFileError(75, path); // a device, pipe or socket: no sound file
    }
    head.assign(WaveHeaderBytes, '\0');
    const ssize_t got = ::read(fd, head.data(), head.size());
    const int err = errno;
    ::close(fd);
    if (got < 0)
        return FileErrorFromErrno(err, path);
    head.resize(static_cast<std::size_t>(got));
    size = static_cast<std::uint64_t>(st.st_size);
    return {};
}
} // namespace

PresentationAudio::PresentationAudio(AudioDevice& device, std::string soundPath, std::string language)
    : m_device(device), m_soundPath(std::move(soundPath)), m_language(std::move(language)) {
    m_device.SetErrorHandler(
        [this](int number, const std::string& description) { Report(number, description); });
}

PresentationAudio::~PresentationAudio() {
    if (m_audioOn)
        m_device.Stop();
    m_device.SetErrorHandler({});
}

void PresentationAudio::InitAudio() {
    m_audioOn = m_device.Open();
}

void PresentationAudio::StopAudio() {
    if (m_audioOn)
        m_device.Stop();
}

void PresentationAudio::PlayAudio(const std::string& name) {
    if (!m_audioOn)
        return;
    StopAudio();
    if (name.empty())
        return;
    const std::string path = AudioFileName(m_soundPath, m_language, name);
    std::string head;
    std::uint64_t size = 0;
    if (FileError err = ReadHead(path, head, size); !err.ok()) {
        if (!SilentFailure(err.number))
            Report(err.number, err.description + ": \"" + path + "\". The test goes on.");
        return;
    }
    WaveFormat format;
    std::string problem;
    switch (ReadWaveHeader(head, size, format, problem)) {
    case WaveCheck::NotWave:
        return;
    case WaveCheck::Damaged:
        Report(SoundFileDamaged,
               "The sound file \"" + path + "\" cannot be played: " + problem +
                   ". The test goes on; the supervisor should install the sound files again.");
        return;
    case WaveCheck::Wave:
        m_device.Play(path);
        return;
    }
}

void PresentationAudio::Report(int number, const std::string& description) {
    if (m_reported || !m_onError)
        return;
    m_reported = true;
    m_onError(number, description);
}
