#include "support/FakeAudioDevice.h"

void FakeAudioDevice::Play(const std::string& path) {
    calls.push_back("play " + path.substr(path.find_last_of('/') + 1));
}

std::vector<std::string> FakeAudioDevice::Played() const {
    std::vector<std::string> played;
    for (const auto& c : calls)
        if (c.rfind("play ", 0) == 0)
            played.push_back(c.substr(5));
    return played;
}

std::string SilentWave(int ms) {
    const auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>(v >> (8 * i) & 0xFF);
        return s;
    };
    const std::uint32_t data = static_cast<std::uint32_t>(ms) * 32;
    return "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(16000, 4) +
           le(32000, 4) + le(2, 2) + le(16, 2) + "data" + le(data, 4) + std::string(data, '\0');
}

namespace {
class LentAudioDevice : public AudioDevice {
public:
    explicit LentAudioDevice(FakeAudioDevice& fake) : m_fake(fake) {
        m_fake.SetErrorHandler([this](int number, const std::string& text) { ReportError(number, text); });
    }
    ~LentAudioDevice() override { m_fake.SetErrorHandler({}); }
    bool Open() override { return m_fake.Open(); }
    void Play(const std::string& path) override { m_fake.Play(path); }
    void Stop() override { m_fake.Stop(); }

private:
    FakeAudioDevice& m_fake;
};
} // namespace

AudioDeviceFactory Lend(FakeAudioDevice& fake) {
    return [&fake] { return std::make_unique<LentAudioDevice>(fake); };
}
