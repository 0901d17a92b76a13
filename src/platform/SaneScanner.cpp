#include "platform/SaneScanner.h"

#include "entry/FrameAssembly.h"
#include "entry/ScanErrors.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr int ScanDpi = 100;
constexpr double PageWidthMm = 215.9;
constexpr double PageHeightMm = 355.6;

// sane_init on construction, sane_exit at the end: each acquisition reads the configuration afresh.
class SaneSession {
public:
    SaneSession() {
        SANE_Int version = 0;
        m_status = sane_init(&version, nullptr);
    }
    ~SaneSession() {
        if (m_status == SANE_STATUS_GOOD)
            sane_exit();
    }
    SaneSession(const SaneSession&) = delete;
    SaneSession& operator=(const SaneSession&) = delete;
    SANE_Status status() const { return m_status; }

private:
    SANE_Status m_status;
};

// An open device: cancelled and closed on every way out.
class OpenDevice {
public:
    explicit OpenDevice(SANE_Handle handle) : m_handle(handle) {}
    ~OpenDevice() {
        sane_cancel(m_handle);
        sane_close(m_handle);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;
    SANE_Handle handle() const { return m_handle; }

private:
    SANE_Handle m_handle;
};

int ErrorNumber(SANE_Status status) {
    switch (status) {
    case SANE_STATUS_CANCELLED:
        return ScanError::Cancelled;
    case SANE_STATUS_NO_MEM:
        return ScanError::NotEnoughMemory;
    case SANE_STATUS_DEVICE_BUSY:
        return ScanError::SourceBusy;
    case SANE_STATUS_JAMMED:
    case SANE_STATUS_NO_DOCS:
    case SANE_STATUS_COVER_OPEN:
    case SANE_STATUS_IO_ERROR:
    case SANE_STATUS_ACCESS_DENIED:
        return ScanError::SourceReportedError;
    case SANE_STATUS_UNSUPPORTED:
        return ScanError::UnknownCapability;
    case SANE_STATUS_INVAL:
        return ScanError::ParameterOutOfRange;
    default:
        return ScanError::Unknown;
    }
}

const char* Advice(SANE_Status status) {
    switch (status) {
    case SANE_STATUS_CANCELLED:
        return "Scan the sheet again when you are ready.";
    case SANE_STATUS_NO_MEM:
        return "Close other programs, then scan again.";
    case SANE_STATUS_DEVICE_BUSY:
        return "Wait until the scanner is free or close the program using it, then scan again.";
    case SANE_STATUS_JAMMED:
        return "Remove the jammed paper, then scan again.";
    case SANE_STATUS_NO_DOCS:
        return "Load the answer sheet into the scanner, then scan again.";
    case SANE_STATUS_COVER_OPEN:
        return "Close the scanner's cover, then scan again.";
    case SANE_STATUS_IO_ERROR:
        return "Check the scanner's cable and power, then scan again.";
    case SANE_STATUS_ACCESS_DENIED:
        return "Ask your administrator for permission to use the scanner.";
    default:
        return "Check the scanner, then scan again.";
    }
}

Acquisition Failure(SANE_Status status, const std::string& device) {
    Acquisition a;
    a.error = ErrorNumber(status);
    a.detail = std::string(sane_strstatus(status)) + " (scanner " + device + "). " + Advice(status);
    return a;
}

Acquisition Failure(int error, std::string detail) {
    Acquisition a;
    a.error = error;
    a.detail = std::move(detail);
    return a;
}

struct Option {
    SANE_Int index = 0;
    const SANE_Option_Descriptor* descriptor = nullptr;
};

std::optional<Option> FindOption(SANE_Handle h, const std::string& name) {
    SANE_Int count = 0;
    if (sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return std::nullopt;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(h, i);
        if (d && d->name && name == d->name && SANE_OPTION_IS_ACTIVE(d->cap) &&
            SANE_OPTION_IS_SETTABLE(d->cap))
            return Option{i, d};
    }
    return std::nullopt;
}

SANE_Status SetNumber(SANE_Handle h, const Option& o, double value) {
    if (o.descriptor->size != static_cast<SANE_Int>(sizeof(SANE_Word)))
        return SANE_STATUS_UNSUPPORTED;
    SANE_Word word;
    if (o.descriptor->type == SANE_TYPE_FIXED)
        word = SANE_FIX(value);
    else if (o.descriptor->type == SANE_TYPE_INT)
        word = static_cast<SANE_Word>(std::lround(value));
    else
        return SANE_STATUS_INVAL;
    return sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, &word, nullptr);
}

SANE_Status SetText(SANE_Handle h, const Option& o, const std::string& value) {
    const SANE_Option_Descriptor* d = o.descriptor;
    switch (d->type) {
    case SANE_TYPE_BOOL: {
        SANE_Bool b;
        if (value == "yes" || value == "true" || value == "1")
            b = SANE_TRUE;
        else if (value == "no" || value == "false" || value == "0")
            b = SANE_FALSE;
        else
            return SANE_STATUS_INVAL;
        return sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, &b, nullptr);
    }
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED: {
        double number = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (ec != std::errc() || end != value.data() + value.size() || !std::isfinite(number))
            return SANE_STATUS_INVAL;
        return SetNumber(h, o, number);
    }
    case SANE_TYPE_STRING: {
        if (d->size <= 0 || value.size() >= static_cast<std::size_t>(d->size))
            return SANE_STATUS_INVAL;
        std::vector<char> buffer(static_cast<std::size_t>(d->size), '\0');
        std::copy(value.begin(), value.end(), buffer.begin());
        return sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, buffer.data(), nullptr);
    }
    case SANE_TYPE_BUTTON:
        return sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, nullptr, nullptr);
    default:
        return SANE_STATUS_UNSUPPORTED;
    }
}

// The range of a numeric option in its own unit, when it has one.
std::optional<std::pair<double, double>> Range(const SANE_Option_Descriptor* d) {
    if (d->constraint_type != SANE_CONSTRAINT_RANGE || !d->constraint.range)
        return std::nullopt;
    const SANE_Range* r = d->constraint.range;
    if (d->type == SANE_TYPE_FIXED)
        return std::pair(SANE_UNFIX(r->min), SANE_UNFIX(r->max));
    return std::pair(double(r->min), double(r->max));
}

// Colour where the device offers it, else grey; a device without a mode option keeps its own.
void SetMode(SANE_Handle h) {
    const std::optional<Option> mode = FindOption(h, SANE_NAME_SCAN_MODE);
    if (!mode || mode->descriptor->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return;
    std::vector<std::string> offered;
    for (const SANE_String_Const* s = mode->descriptor->constraint.string_list; s && *s; ++s)
        offered.emplace_back(*s);
    for (const char* wanted : {SANE_VALUE_SCAN_MODE_COLOR, SANE_VALUE_SCAN_MODE_GRAY, "Grey"}) {
        if (std::find(offered.begin(), offered.end(), wanted) != offered.end()) {
            (void)SetText(h, *mode, wanted);
            return;
        }
    }
}

// The whole 8.5 x 14 inch page, or as much of it as the device's area allows.
void SetArea(SANE_Handle h) {
    const std::pair<const char*, double> corners[] = {{SANE_NAME_SCAN_TL_X, 0},
                                                      {SANE_NAME_SCAN_TL_Y, 0},
                                                      {SANE_NAME_SCAN_BR_X, PageWidthMm},
                                                      {SANE_NAME_SCAN_BR_Y, PageHeightMm}};
    for (const auto& [name, mm] : corners) {
        const std::optional<Option> o = FindOption(h, name);
        if (!o || o->descriptor->unit != SANE_UNIT_MM)
            continue;
        const auto range = Range(o->descriptor);
        const double value = range ? std::clamp(mm, range->first, range->second) : mm;
        (void)SetNumber(h, *o, value);
    }
}

std::optional<FrameFormat> Format(SANE_Frame frame) {
    switch (frame) {
    case SANE_FRAME_GRAY:
        return FrameFormat::Grey;
    case SANE_FRAME_RGB:
        return FrameFormat::Rgb;
    case SANE_FRAME_RED:
        return FrameFormat::Red;
    case SANE_FRAME_GREEN:
        return FrameFormat::Green;
    case SANE_FRAME_BLUE:
        return FrameFormat::Blue;
    default:
        return std::nullopt;
    }
}

std::vector<ScannerDevice> Devices(std::string& error) {
    std::vector<ScannerDevice> found;
    const SANE_Device** list = nullptr;
    const SANE_Status status = sane_get_devices(&list, SANE_TRUE);
    if (status != SANE_STATUS_GOOD) {
        error = std::string("The scanners cannot be listed: ") + sane_strstatus(status) + ".";
        return found;
    }
    for (; list && *list; ++list) {
        const SANE_Device* d = *list;
        std::string description;
        for (const char* part : {d->vendor, d->model, d->type}) {
            if (part && *part)
                description += (description.empty() ? "" : " ") + std::string(part);
        }
        found.push_back({d->name ? d->name : "", description});
    }
    return found;
}

} // namespace

std::vector<ScannerDevice> ListScanners(std::string& error) {
    SaneSession session;
    if (session.status() != SANE_STATUS_GOOD) {
        error = std::string("The scanner support cannot start: ") + sane_strstatus(session.status()) + ".";
        return {};
    }
    return Devices(error);
}

SaneScanner::SaneScanner(std::string device, std::vector<std::pair<std::string, std::string>> options)
    : m_device(std::move(device)), m_options(std::move(options)) {}

std::string SaneScanner::Name() const {
    if (!m_opened.empty())
        return m_opened;
    return m_device.empty() ? std::string("the first scanner found") : m_device;
}

Acquisition SaneScanner::Acquire(const ScanProgress& progress) {
    SaneSession session;
    if (session.status() != SANE_STATUS_GOOD)
        return Failure(session.status(), Name());

    std::string device = m_device;
    if (device.empty()) {
        std::string error;
        const std::vector<ScannerDevice> devices = Devices(error);
        if (devices.empty())
            return Failure(ScanError::NoDataSource,
                           (error.empty() ? std::string("No scanner was found.") : error) +
                               " Connect and switch on the scanner, then scan again, or scan from a file.");
        device = devices.front().name;
    }
    m_opened = device;

    SANE_Handle handle = nullptr;
    const SANE_Status opened = sane_open(device.c_str(), &handle);
    if (opened == SANE_STATUS_INVAL)
        return Failure(ScanError::NoDataSource, "There is no scanner " + device +
                                                    ". Check the scanner's name and that it is connected.");
    if (opened != SANE_STATUS_GOOD || !handle)
        return Failure(opened, device);
    OpenDevice open(handle);

    if (const std::optional<Option> resolution = FindOption(handle, SANE_NAME_SCAN_RESOLUTION))
        (void)SetNumber(handle, *resolution, ScanDpi);
    SetMode(handle);
    SetArea(handle);
    for (const auto& [name, value] : m_options) {
        const std::optional<Option> o = FindOption(handle, name);
        if (!o)
            return Failure(ScanError::UnknownCapability,
                           "The scanner " + device + " has no option " + name + " that can be set.");
        if (const SANE_Status s = SetText(handle, *o, value); s != SANE_STATUS_GOOD)
            return Failure(ScanError::ParameterOutOfRange, "The scanner " + device + " does not accept " +
                                                               name + "=" + value + ": " + sane_strstatus(s) +
                                                               ".");
    }

    FrameAssembler assembler;
    std::vector<SANE_Byte> buffer(64 * 1024);
    std::string error;
    while (!assembler.complete()) {
        if (const SANE_Status s = sane_start(handle); s != SANE_STATUS_GOOD)
            return Failure(s, device);
        SANE_Parameters p;
        if (const SANE_Status s = sane_get_parameters(handle, &p); s != SANE_STATUS_GOOD)
            return Failure(s, device);
        const std::optional<FrameFormat> format = Format(p.format);
        FrameParameters frame;
        if (format) {
            frame.format = *format;
            frame.lastFrame = p.last_frame != SANE_FALSE;
            frame.bytesPerLine = p.bytes_per_line;
            frame.pixelsPerLine = p.pixels_per_line;
            frame.lines = p.lines;
            frame.depth = p.depth;
        }
        if (!format || !assembler.BeginFrame(frame, error))
            return Failure(ScanError::Unknown, "The scanner " + device +
                                                   " sent a page this program cannot use (" +
                                                   (format ? error : "unknown frame type") +
                                                   "). Choose another scan mode or scanner.");
        for (;;) {
            SANE_Int length = 0;
            const SANE_Status s =
                sane_read(handle, buffer.data(), static_cast<SANE_Int>(buffer.size()), &length);
            if (s == SANE_STATUS_EOF)
                break;
            if (s != SANE_STATUS_GOOD)
                return Failure(s, device);
            if (!assembler.Append(buffer.data(), static_cast<std::size_t>(std::max<SANE_Int>(length, 0)),
                                  error))
                return Failure(ScanError::Unknown,
                               "The scanner " + device + " sent a faulty page (" + error + "). Scan again.");
            if (progress && !progress(assembler.linesRead(), assembler.linesExpected()))
                return Failure(SANE_STATUS_CANCELLED, device);
        }
        if (!assembler.EndFrame(error))
            return Failure(ScanError::Unknown,
                           "The scanner " + device + " sent an incomplete page (" + error + "). Scan again.");
    }
    Acquisition result;
    result.page = assembler.TakePage();
    return result;
}
