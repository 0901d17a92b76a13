#include "presentation/WaveHeader.h"

#include <algorithm>

namespace {
std::uint32_t Le32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t Le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

WaveCheck Damaged(std::string& problem, const char* what) {
    problem = what;
    return WaveCheck::Damaged;
}
} // namespace

WaveCheck ReadWaveHeader(std::string_view head, std::uint64_t fileSize, WaveFormat& format,
                         std::string& problem) {
    format = {};
    problem.clear();
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return WaveCheck::NotWave;
    bool haveFormat = false;
    std::uint64_t at = 12;
    while (at + 8 <= head.size()) {
        const std::string_view id = head.substr(static_cast<std::size_t>(at), 4);
        const std::uint64_t size = Le32(head, static_cast<std::size_t>(at + 4));
        const std::uint64_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return Damaged(problem, "its format chunk is too short");
            const auto b = static_cast<std::size_t>(body);
            format.encoding = Le16(head, b);
            format.channels = Le16(head, b + 2);
            format.sampleRate = Le32(head, b + 4);
            format.bitsPerSample = Le16(head, b + 14);
            if (format.encoding != 1 && format.encoding != 3 && format.encoding != 0xFFFE)
                return Damaged(problem, "its samples are compressed in a way the sound device cannot play");
            if (format.channels < 1 || format.channels > 8 || format.sampleRate < 1000 ||
                format.sampleRate > 384000 ||
                (format.bitsPerSample != 8 && format.bitsPerSample != 16 && format.bitsPerSample != 24 &&
                 format.bitsPerSample != 32))
                return Damaged(problem, "its format chunk names an impossible sample format");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Damaged(problem, "its samples come before their format");
            format.dataOffset = body;
            format.dataBytes = body >= fileSize ? 0 : std::min(size, fileSize - body);
            return WaveCheck::Wave;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return Damaged(problem, haveFormat ? "it holds no samples" : "it has no format chunk");
}
