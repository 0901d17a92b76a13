#include "clients/FileErrorInWords.h"

#include "clients/ClientFile.h"

#include <fstream>
#include <sys/stat.h>

namespace {
// Whether the stored bytes look like client records: the status characters and every response
// code within their ranges (a blanked record counts too).
bool LooksLikeClientRecords(const std::string& path, long long records) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(ClientRecordSize, '\0');
    for (long long i = 0; i < records && in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
         ++i) {
        const ClientRecord r = ClientRecord::FromBytes(bytes);
        const char edits = r.EditCount[0];
        const char deleted = r.NameDeleted[0];
        if (!(edits == ' ' || (edits >= '0' && edits <= '3')) ||
            !(deleted == ' ' || deleted == '0' || deleted == '1'))
            return false;
        for (char c : r.Responses.view())
            if (c != ' ' && (c < '0' || c > '5'))
                return false;
    }
    return true;
}

std::string TooManyRecords(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return path + " cannot be loaded as a client file.";
    const long long size = st.st_size;
    const long long recordSize = static_cast<long long>(ClientRecordSize);
    const long long records = (size + recordSize / 2) / recordSize;
    const std::string bytes = " (" + std::to_string(size) + " bytes)";
    // Judge by the records one disk could hold plus one, so a huge file is not read through.
    if (!LooksLikeClientRecords(path, std::min<long long>(records, MaxClients + 1)))
        return path + bytes +
               " is not a client file: move it out of the data folder or choose another folder.";
    return path + " holds " + std::to_string(records) + " client records" + bytes +
           ", but one data disk holds at most " + std::to_string(MaxClients) + ": keep the first " +
           std::to_string(MaxClients) + " (its first " + std::to_string(MaxClients * recordSize) +
           " bytes) there and move the other records to the client file of another disk folder.";
}

std::string BadName(const std::string& path) {
    struct stat st {};
    if (path.empty())
        return "No file name was given: choose a data folder.";
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return path + " is a folder, not a file: give the path of a file in it (such as " +
               std::string(ClientFileName) + ").";
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return path + " is not a regular file (a device, pipe or socket): give the path of a file.";
    return path + " is not a usable file name: give a shorter or simpler path.";
}
} // namespace

std::string FileErrorInWords(const FileError& err) {
    const std::string& path = err.path;
    switch (err.number) {
    case 0:
        return {};
    case 9:
        return TooManyRecords(path);
    case 52:
        return BadName(path);
    case 53:
        return path + " does not exist: check the file name and the folder.";
    case 57:
        return "The disk holding " + path +
               " reported a read or write error: check the disk, or use another one.";
    case 61:
        return "The disk holding " + path + " is full: free some space on it, or use another disk.";
    case 63:
        return path + " has no record of that number: choose a client from the list.";
    case 70:
        return path +
               " may not be changed (no permission, or the disk is write-protected): make it writable, " +
               "or use another disk.";
    case 71:
        return "The disk holding " + path + " is not ready; it may have been removed: insert it again and " +
               "try once more.";
    case 76:
        return "The folder of " + path + " does not exist: check the path, or insert the disk that holds it.";
    default:
        return path + ": " + err.description + ". Check the disk and the file, then try again.";
    }
}
