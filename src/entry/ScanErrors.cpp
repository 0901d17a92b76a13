#include "entry/ScanErrors.h"

#include <utility>

std::string LeadErrorText(int code) {
    static const std::pair<int, const char*> texts[] = {
        {20000, "General failure"},
        {20001, "Not enough memory available"},
        {20002, "Invalid bitmap handle"},
        {20003, "Not enough memory available"},
        {20004, "Error seeking to position"},
        {20005, "Error writing file"},
        {20006, "File not present - abort"},
        {20007, "Error reading file"},
        {20008, "Invalid filename specified"},
        {20009, "Invalid file format"},
        {20010, "File not found"},
        {20011, "Invalid width/height"},
        {20012, "Image format recognized, but sub-type not supported"},
        {20013, "Invalid parmameter passed"},
        {20014, "Not able to open file"},
        {20015, "Unknown compression format"},
        {20017, "VGA card only supports 256 colors (8 bit)"},
        {20018, "Printer error"},
        {20019, "Data CRC check error"},
        {20021, "Invalid QFactor specified"},
        {20022, "TARGA not installed"},
        {20023, "Invalid compression format"},
        {20024, "X origin specified invalid"},
        {20025, "Y origin specified invalid"},
        {20026, "Invalid video mode"},
        {20027, "Invalid bits/pixel"},
        {20028, "Invalid window size"},
        {20029, "Escape key pressed"},
        {20063, "Fixed palette data not found"},
        {20064, "Fixed palette data not found"},
        {20065, "Stamp not found"},
        {20070, "Invalid group 3 code"},
        {20071, "Group3 code end of file"},
        {20072, "Group3 code end of code"},
        {20073, "Premature EOF at scanline"},
        {20078, "Bad version number"},
        {20079, "Twain source manager not found"},
        {20080, "Twain failure due to unknown causes"},
        {20081, "Twain not enough memory to perform operation"},
        {20082, "Twain no Data Source"},
        {20083, "Twain DS is connected to max possible apps"},
        {20084, "Twain DS or DSM reported error, app shouldn't"},
        {20085, "Twain unknown capability"},
        {20086, "Twain unrecognized MSG DG DAT combination"},
        {20087, "Twain data parameter out of range"},
        {20088, "Twain DG DAT MSG out of expected sequence"},
        {20089, "Twain unknown destination App/Src in DSM_Entry"},
        {20090, "Twain operation was cancelled"},
    };
    if (code >= 20030 && code <= 20062)
        return "Internal Error - Call LEAD";
    if (code >= 20074 && code <= 20077)
        return "Premature end-of-line code";
    for (const auto& [number, text] : texts)
        if (number == code)
            return text;
    return "";
}

std::string AcquisitionErrorMessage(int code, const std::string& detail) {
    std::string message = "Error '" + std::to_string(code) + ", " + LeadErrorText(code) + ".";
    if (!detail.empty())
        message += "\n" + detail;
    return message;
}
