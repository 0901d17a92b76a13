// Any sequence of frame parameters and data pieces, as a faulty or hostile scanner could send them,
// is assembled or refused without a crash, and a finished page always holds width x height pixels.
#include "entry/FrameAssembly.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FrameAssembler assembler;
    std::string error;
    for (int frames = in.ConsumeIntegralInRange(1, 4); frames > 0 && in.remaining_bytes() > 0; --frames) {
        FrameParameters p;
        p.format = static_cast<FrameFormat>(in.ConsumeIntegralInRange(0, 4));
        p.lastFrame = in.ConsumeBool();
        p.depth = in.PickValueInArray({1, 8, 16, in.ConsumeIntegral<int>()});
        p.pixelsPerLine = in.ConsumeIntegralInRange(-2, 300);
        p.bytesPerLine = in.ConsumeIntegralInRange(-2, 1000);
        p.lines = in.ConsumeIntegralInRange(-2, 300);
        if (!assembler.BeginFrame(p, error))
            break;
        bool ok = true;
        for (int pieces = in.ConsumeIntegralInRange(0, 20); ok && pieces > 0; --pieces) {
            const std::vector<std::uint8_t> piece =
                in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 2000));
            ok = assembler.Append(piece.data(), piece.size(), error);
        }
        if (!ok || !assembler.EndFrame(error))
            break;
    }
    const ScanImage page = assembler.TakePage();
    if (!page.empty() && page.pixels.size() != static_cast<std::size_t>(page.width) *
                                                   static_cast<std::size_t>(page.height) *
                                                   static_cast<std::size_t>(page.channels()))
        std::abort();
    return 0;
}
