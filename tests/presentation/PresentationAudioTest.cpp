// The voice of the onscreen test over a recording sound output: which files reach the device, which
// failures stay silent and which are reported, and only once; the RIFF/WAVE check on its own. A damaged
// file's message is the scripted sound test's and the test window's.
#include "presentation/PresentationAudio.h"
#include "presentation/WaveHeader.h"
#include "support/FakeAudioDevice.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v >> 16 & 0xFF),
            static_cast<char>(v >> 24)};
}
std::string Le16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le32(static_cast<std::uint32_t>(body.size())) + body +
           (body.size() % 2 ? std::string(1, '\0') : "");
}
std::string Fmt(std::uint16_t encoding = 1, std::uint16_t channels = 1, std::uint32_t rate = 22050,
                std::uint16_t bits = 16) {
    return Chunk("fmt ", Le16(encoding) + Le16(channels) + Le32(rate) + Le32(rate * channels * bits / 8) +
                             Le16(static_cast<std::uint16_t>(channels * bits / 8)) + Le16(bits));
}
std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}
std::string Wave(std::size_t samples = 100) {
    return Riff(Fmt() + Chunk("data", std::string(samples * 2, '\x01')));
}
} // namespace

TEST(WaveHeaderTest, AcceptsPlayableFilesAndTellsNonWaveFromDamaged) {
    struct Case {
        const char* what;
        std::string bytes;
        WaveCheck check;
        std::uint64_t dataOffset;
        std::uint64_t dataBytes;
    };
    const std::string truncated = Riff(Fmt() + "data" + Le32(1000) + std::string(10, '\0'));
    const std::vector<Case> cases = {
        {"PCM", Wave(), WaveCheck::Wave, 44, 200},
        {"a list chunk of odd size first", Riff(Chunk("LIST", "abc") + Fmt() + Chunk("data", "xy")),
         WaveCheck::Wave, 56, 2},
        {"float samples", Riff(Fmt(3, 2, 44100, 32) + Chunk("data", "")), WaveCheck::Wave, 44, 0},
        {"samples cut short", truncated, WaveCheck::Wave, 44, 10},
        {"text", "Hello, this is not a sound at all.", WaveCheck::NotWave, 0, 0},
        {"empty", "", WaveCheck::NotWave, 0, 0},
        {"RIFF of another kind", "RIFF" + Le32(4) + "AVI ", WaveCheck::NotWave, 0, 0},
        {"compressed samples", Riff(Fmt(0x55) + Chunk("data", "xx")), WaveCheck::Damaged, 0, 0},
        {"no format", Riff(Chunk("data", "xx")), WaveCheck::Damaged, 0, 0},
        {"no samples", Riff(Fmt()), WaveCheck::Damaged, 0, 0},
        {"format cut off", Riff("fmt " + Le32(16) + "ab"), WaveCheck::Damaged, 0, 0},
        {"zero channels", Riff(Fmt(1, 0) + Chunk("data", "")), WaveCheck::Damaged, 0, 0},
        {"chunk size past the end", Riff("LIST" + Le32(0xFFFFFFF0) + "x"), WaveCheck::Damaged, 0, 0},
    };
    for (const Case& c : cases) {
        WaveFormat format;
        std::string problem;
        EXPECT_EQ(ReadWaveHeader(c.bytes, c.bytes.size(), format, problem), c.check) << c.what;
        EXPECT_EQ(problem.empty(), c.check != WaveCheck::Damaged) << c.what;
        EXPECT_EQ(format.dataOffset, c.dataOffset) << c.what;
        EXPECT_EQ(format.dataBytes, c.dataBytes) << c.what;
    }
}

class PresentationAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder());
        audio.SetErrorHandler([this](int number, const std::string& text) {
            errors.push_back(std::to_string(number) + ":" + text);
        });
    }
    std::string Folder() const { return dir.file("TARVOS/sound/Spanish"); }
    void Put(const std::string& name, const std::string& bytes) const {
        dir.write("TARVOS/sound/Spanish/" + name, bytes);
    }

    TempDir dir;
    FakeAudioDevice device;
    PresentationAudio audio{device, " " + dir.path(), "Spanish"};
    std::vector<std::string> errors;
};

TEST_F(PresentationAudioTest, PlaysWaveFilesAndSilentlySkipsWhatIsNoSound) {
    Put("Q001.wav", Wave());
    Put("text.wav", "This file is named .wav but holds text.");
    std::filesystem::create_directories(Folder() + "/folder.wav");
    ASSERT_EQ(::mkfifo((Folder() + "/pipe.wav").c_str(), 0600), 0);
    audio.InitAudio();
    ASSERT_TRUE(audio.AudioOn());
    for (const char* name : {"Q001.wav", "", "missing.wav", ".wav", "text.wav", "pipe.wav", "Q001.wav"})
        audio.PlayAudio(name);
    audio.StopAudio();
    EXPECT_EQ(device.calls, (std::vector<std::string>{"stop", "play Q001.wav", "stop", "stop", "stop", "stop",
                                                      "stop", "stop", "play Q001.wav", "stop"}))
        << "every request cuts off the sound before";
    EXPECT_TRUE(errors.empty()) << errors.front();

    // A folder where a file should be is no silent case: it is reported, once for the whole test.
    Put("bad.wav", Riff(Fmt(0x55) + Chunk("data", "xx")));
    audio.PlayAudio("folder.wav");
    audio.PlayAudio("bad.wav");
    device.Fail(SoundPlaybackFailed, "refused");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("10021:", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find(Folder() + "/folder.wav"), std::string::npos) << errors[0];
}
