#pragma once
// Turns the frames a scanner sends (one grey or RGB frame, or three single-colour frames; 1, 8 or
// 16 bits per sample) into one page of 8-bit grey or RGB rows. Takes the data in pieces of any
// size, as the device's reads return them. Every inconsistency is an error, never a crash.
#include "entry/ScanImage.h"

#include <cstddef>
#include <string>

enum class FrameFormat { Grey, Rgb, Red, Green, Blue };

// The parameters of one frame, as the device reports them before its data.
struct FrameParameters {
    FrameFormat format = FrameFormat::Grey;
    bool lastFrame = true;
    int bytesPerLine = 0;
    int pixelsPerLine = 0;
    int lines = 0; // -1: unknown until the frame ends
    int depth = 8; // bits per sample: 1 (1 = black), 8 or 16 (host byte order)
};

class FrameAssembler {
public:
    // Largest page accepted, in bytes of the assembled page (a 14-inch page at 600 dpi in colour).
    static constexpr std::size_t MaxPageBytes = std::size_t(5100) * 8400 * 3;

    // Starts the next frame. False with `error` set when its parameters are unusable or do not match
    // the frames before it.
    bool BeginFrame(const FrameParameters& parameters, std::string& error);
    // Adds data of the current frame. False with `error` set when the frame holds more than it
    // announced or the page grows too large.
    bool Append(const uint8_t* data, std::size_t size, std::string& error);
    // Ends the current frame; a partial last line is dropped. False with `error` when a frame with
    // a known line count ended short.
    bool EndFrame(std::string& error);
    // True when the last frame has ended.
    bool complete() const { return m_complete; }
    // Lines received of the current frame, and the total expected (-1 when unknown).
    int linesRead() const;
    int linesExpected() const { return m_params.lines; }
    // The assembled page; empty until complete.
    ScanImage TakePage();

private:
    void StoreLine(const uint8_t* line);

    FrameParameters m_params;
    bool m_inFrame = false;
    bool m_complete = false;
    int m_width = 0;
    int m_frameLines = 0;        // whole lines received in this frame
    std::vector<uint8_t> m_line; // the line being received
    int m_channelsDone = 0;      // single-colour frames finished (0..3)
    bool m_separate = false;     // the page comes as three single-colour frames
    ScanImage m_page;
};
