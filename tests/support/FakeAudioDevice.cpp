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
