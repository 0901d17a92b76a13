#pragma once
// Settings kept in memory, with writes that can be made to fail, for tests that need no file.
#include "shell/SettingsProfile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <utility>

class FakeProfile : public SettingsProfile {
public:
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                     std::size_t bufferSize) const override {
        auto it = values.find({Lower(section), Lower(key)});
        std::string v =
            it != values.end() ? it->second : defaultValue.substr(0, defaultValue.find_last_not_of(' ') + 1);
        return bufferSize == 0 ? std::string() : v.substr(0, bufferSize - 1);
    }
    FileError Write(const std::string& section, const std::string& key, const std::string& value) override {
        const auto k = std::make_pair(Lower(section), Lower(key));
        if (auto it = values.find(k); it != values.end() && it->second == value)
            return {}; // as the settings file, a value it already holds is not written again
        if (writeError)
            return *writeError;
        values[k] = value;
        return {};
    }

    // Keyed by section and key in lower case.
    std::map<std::pair<std::string, std::string>, std::string> values;
    // When set, every write that would change a value fails with it and changes nothing.
    std::optional<FileError> writeError;

private:
    static std::string Lower(std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    }
};
