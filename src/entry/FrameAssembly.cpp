#include "entry/FrameAssembly.h"

#include <algorithm>

namespace {

int Channel(FrameFormat format) {
    switch (format) {
    case FrameFormat::Green:
        return 1;
    case FrameFormat::Blue:
        return 2;
    default:
        return 0;
    }
}

bool SingleColour(FrameFormat format) {
    return format == FrameFormat::Red || format == FrameFormat::Green || format == FrameFormat::Blue;
}

} // namespace

bool FrameAssembler::BeginFrame(const FrameParameters& p, std::string& error) {
    if (m_complete || m_inFrame) {
        error = "the scanner started a frame after the page was complete";
        return false;
    }
    if (p.depth != 1 && p.depth != 8 && p.depth != 16) {
        error = "the scanner sends " + std::to_string(p.depth) + " bits per sample";
        return false;
    }
    const int samples = p.format == FrameFormat::Rgb ? 3 : 1;
    const long long needed = (static_cast<long long>(p.pixelsPerLine) * samples * p.depth + 7) / 8;
    if (p.pixelsPerLine <= 0 || p.bytesPerLine < needed || p.lines < -1 || p.lines == 0 ||
        (p.format == FrameFormat::Rgb && p.depth == 1)) {
        error = "the scanner reports an unusable frame";
        return false;
    }
    const bool separate = SingleColour(p.format);
    const PagePixels format =
        separate || p.format == FrameFormat::Rgb ? PagePixels::Rgb888 : PagePixels::Grey8;
    const std::size_t pageBytes =
        static_cast<std::size_t>(p.pixelsPerLine) * (format == PagePixels::Rgb888 ? 3 : 1);
    if (pageBytes > MaxPageBytes ||
        (p.lines > 0 && pageBytes * static_cast<std::size_t>(p.lines) > MaxPageBytes)) {
        error = "the scanner sends a page too large to hold";
        return false;
    }
    if (m_channelsDone == 0 && !m_separate) {
        m_separate = separate;
        m_width = p.pixelsPerLine;
        m_page = ScanImage();
        m_page.width = m_width;
        m_page.format = format;
    } else if (!separate || p.pixelsPerLine != m_width || (p.lines != -1 && p.lines != m_page.height)) {
        error = "the scanner's colour frames do not match";
        return false;
    }
    m_params = p;
    m_inFrame = true;
    m_frameLines = 0;
    m_line.clear();
    m_line.reserve(static_cast<std::size_t>(p.bytesPerLine));
    return true;
}

int FrameAssembler::linesRead() const {
    return m_frameLines;
}

void FrameAssembler::StoreLine(const uint8_t* line) {
    const int channels = m_page.channels();
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(channels);
    const std::size_t row = static_cast<std::size_t>(m_frameLines);
    if (!m_separate || m_channelsDone == 0) {
        if ((row + 1) * rowBytes > m_page.pixels.size())
            m_page.pixels.resize((row + 1) * rowBytes, 255);
    }
    uint8_t* out = m_page.pixels.data() + row * rowBytes;
    const int samples = m_params.format == FrameFormat::Rgb ? 3 : 1;
    const int step = m_separate ? 3 : 1;
    uint8_t* target = out + (m_separate ? Channel(m_params.format) : 0);
    const int count = m_width * samples;
    for (int k = 0; k < count; ++k, target += step) {
        uint8_t value;
        if (m_params.depth == 8) {
            value = line[k];
        } else if (m_params.depth == 16) {
            uint16_t sample;
            std::copy_n(line + 2 * k, 2, reinterpret_cast<uint8_t*>(&sample));
            value = static_cast<uint8_t>(sample >> 8);
        } else {
            value = (line[k / 8] >> (7 - k % 8)) & 1 ? 0 : 255;
        }
        *target = value;
    }
}

bool FrameAssembler::Append(const uint8_t* data, std::size_t size, std::string& error) {
    if (!m_inFrame) {
        error = "the scanner sent data outside a frame";
        return false;
    }
    const std::size_t lineBytes = static_cast<std::size_t>(m_params.bytesPerLine);
    const std::size_t rowBytes =
        static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_page.channels());
    while (size > 0) {
        const std::size_t take = std::min(size, lineBytes - m_line.size());
        m_line.insert(m_line.end(), data, data + take);
        data += take;
        size -= take;
        if (m_line.size() < lineBytes)
            break;
        const bool beyondKnown = m_params.lines != -1 && m_frameLines >= m_params.lines;
        const bool beyondFirst = m_separate && m_channelsDone > 0 && m_frameLines >= m_page.height;
        if (beyondKnown || beyondFirst ||
            (static_cast<std::size_t>(m_frameLines) + 1) * rowBytes > MaxPageBytes) {
            error = "the scanner sent more lines than the page holds";
            return false;
        }
        StoreLine(m_line.data());
        ++m_frameLines;
        m_line.clear();
    }
    return true;
}

bool FrameAssembler::EndFrame(std::string& error) {
    if (!m_inFrame) {
        error = "the scanner ended a frame it had not started";
        return false;
    }
    m_inFrame = false;
    const bool firstOfPage = !m_separate || m_channelsDone == 0;
    const int expected = m_params.lines != -1 ? m_params.lines : (firstOfPage ? m_frameLines : m_page.height);
    if (m_frameLines < expected || m_frameLines == 0) {
        error = "the scanner ended the page after " + std::to_string(m_frameLines) + " of " +
                std::to_string(expected) + " lines";
        return false;
    }
    if (firstOfPage)
        m_page.height = m_frameLines;
    if (m_separate)
        ++m_channelsDone;
    if (m_params.lastFrame || m_channelsDone == 3)
        m_complete = true;
    return true;
}

ScanImage FrameAssembler::TakePage() {
    if (!m_complete)
        return {};
    m_complete = false;
    m_channelsDone = 0;
    m_separate = false;
    return std::move(m_page);
}
