// Frames from a scanner assembled into a page: every frame kind and depth, data in pieces of any size,
// and the inconsistent frames a faulty device may send.
#include "entry/FrameAssembly.h"

#include <gtest/gtest.h>

namespace {

FrameParameters Frame(FrameFormat format, int pixels, int lines, int depth = 8, bool last = true) {
    const int samples = format == FrameFormat::Rgb ? 3 : 1;
    return {format, last, (pixels * samples * depth + 7) / 8, pixels, lines, depth};
}

// Feeds `data` in pieces of `piece` bytes; false when anything is refused.
bool Feed(FrameAssembler& a, const FrameParameters& p, const std::vector<uint8_t>& data, std::size_t piece,
          std::string& error) {
    if (!a.BeginFrame(p, error))
        return false;
    for (std::size_t at = 0; at < data.size(); at += piece)
        if (!a.Append(data.data() + at, std::min(piece, data.size() - at), error))
            return false;
    return a.EndFrame(error);
}

TEST(FrameAssembly, AssemblesEveryFrameKindInPiecesOfAnySize) {
    // A 3 x 2 page; its grey and RGB forms.
    const std::vector<uint8_t> grey = {0, 128, 255, 10, 20, 30};
    const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (std::size_t piece : {1u, 2u, 5u, 64u}) {
        std::string error;
        FrameAssembler a;
        ASSERT_TRUE(Feed(a, Frame(FrameFormat::Grey, 3, 2), grey, piece, error)) << error;
        ASSERT_TRUE(a.complete());
        ScanImage page = a.TakePage();
        EXPECT_EQ(page.format, PagePixels::Grey8);
        EXPECT_EQ(page.pixels, grey);

        ASSERT_TRUE(Feed(a, Frame(FrameFormat::Rgb, 3, -1), rgb, piece, error)) << error;
        page = a.TakePage();
        EXPECT_EQ(page.format, PagePixels::Rgb888);
        EXPECT_EQ(page.height, 2);
        EXPECT_EQ(page.pixels, rgb);

        // Three single-colour frames, green, blue, then red, as a three-pass scanner sends them.
        const FrameFormat order[] = {FrameFormat::Green, FrameFormat::Blue, FrameFormat::Red};
        const int channel[] = {1, 2, 0};
        for (int f = 0; f < 3; ++f) {
            std::vector<uint8_t> plane;
            for (std::size_t k = static_cast<std::size_t>(channel[f]); k < rgb.size(); k += 3)
                plane.push_back(rgb[k]);
            ASSERT_TRUE(Feed(a, Frame(order[f], 3, 2, 8, f == 2), plane, piece, error)) << error;
        }
        EXPECT_EQ(a.TakePage().pixels, rgb);

        // 16 bits per sample keep their high byte; 1 bit per sample is lineart, 1 = black.
        std::vector<uint8_t> deep;
        for (uint8_t v : grey) {
            const uint16_t sample = static_cast<uint16_t>(v << 8 | 0x7f);
            deep.insert(deep.end(), reinterpret_cast<const uint8_t*>(&sample),
                        reinterpret_cast<const uint8_t*>(&sample) + 2);
        }
        ASSERT_TRUE(Feed(a, Frame(FrameFormat::Grey, 3, 2, 16), deep, piece, error)) << error;
        EXPECT_EQ(a.TakePage().pixels, grey);
        ASSERT_TRUE(Feed(a, Frame(FrameFormat::Grey, 3, 2, 1), {0b10100000, 0b01000000}, piece, error))
            << error;
        EXPECT_EQ(a.TakePage().pixels, (std::vector<uint8_t>{0, 255, 0, 255, 0, 255}));
    }
}

TEST(FrameAssembly, RefusesInconsistentFramesWithoutCrashing) {
    const std::vector<uint8_t> six(6, 50), nine(9, 50);
    struct Case {
        const char* what;
        std::vector<std::pair<FrameParameters, std::vector<uint8_t>>> frames;
    };
    const Case cases[] = {
        {"ends short", {{Frame(FrameFormat::Grey, 3, 3), six}}},
        {"sends more lines than announced", {{Frame(FrameFormat::Grey, 3, 2), nine}}},
        {"sends no lines", {{Frame(FrameFormat::Grey, 3, -1), {}}}},
        {"has no width", {{Frame(FrameFormat::Grey, 0, 2), {}}}},
        {"has too short lines", {{{FrameFormat::Rgb, true, 5, 3, 2, 8}, six}}},
        {"has 4 bits per sample", {{Frame(FrameFormat::Grey, 3, 2, 4), six}}},
        {"is too large", {{Frame(FrameFormat::Rgb, 100000, 100000), {}}}},
        {"mixes widths",
         {{Frame(FrameFormat::Red, 3, 2, 8, false), six}, {Frame(FrameFormat::Green, 2, 3), six}}},
        {"mixes kinds",
         {{Frame(FrameFormat::Red, 3, 2, 8, false), six}, {Frame(FrameFormat::Grey, 3, 2), six}}},
        {"grows a colour frame",
         {{Frame(FrameFormat::Red, 3, 2, 8, false), six}, {Frame(FrameFormat::Green, 3, -1), nine}}},
    };
    for (const Case& c : cases) {
        FrameAssembler a;
        std::string error;
        bool ok = true;
        for (const auto& [params, data] : c.frames)
            ok = ok && Feed(a, params, data, 4, error);
        EXPECT_FALSE(ok) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
        EXPECT_TRUE(a.TakePage().empty()) << c.what;
    }
}

} // namespace
