#pragma once
// The head of a sound file: whether it is a RIFF/WAVE file the sound device can play. A file that is
// not RIFF/WAVE would otherwise be loaded for ever by the player and never report an error.
#include <cstdint>
#include <string>
#include <string_view>

// How many leading bytes of a file ReadWaveHeader needs at most to find its format and data chunks.
constexpr std::size_t WaveHeaderBytes = 4096;

struct WaveFormat {
    std::uint16_t encoding = 0; // 1 PCM, 3 IEEE float, 0xFFFE extensible
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0; // samples per second
    std::uint16_t bitsPerSample = 0;
    std::uint64_t dataOffset = 0; // where the samples start in the file
    std::uint64_t dataBytes = 0;  // bytes of samples present in the file (a short file is cut to its size)
};

enum class WaveCheck {
    Wave,    // playable: `format` is filled in
    NotWave, // no RIFF/WAVE signature: not a sound file at all
    Damaged  // RIFF/WAVE, but its chunks are broken or its encoding is not one the device plays
};

// Reads the RIFF chunks of `head` (the first bytes of a file of `fileSize` bytes) up to the data
// chunk. On Damaged, `problem` says what is wrong in plain words.
WaveCheck ReadWaveHeader(std::string_view head, std::uint64_t fileSize, WaveFormat& format,
                         std::string& problem);
