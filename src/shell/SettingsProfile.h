#pragma once
// Where the settings are read and written: a platform layer (see shell/LayerSlot.h). The real one is
// the settings file "trvtest.ini" with Windows profile semantics (shell/Profile.h); tests install one
// on a folder of their own or an in-memory fake.
#include "shell/FileError.h"

#include <cstddef>
#include <memory>
#include <string>

class SettingsProfile {
public:
    virtual ~SettingsProfile() = default;
    // The value of `key` in `section`, or `defaultValue` (trailing blanks removed) when there is none;
    // either way cut to bufferSize - 1 characters.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t bufferSize) const = 0;
    // Sets `key` in `section` to `value`; a failure leaves the stored settings as they were.
    [[nodiscard]] virtual FileError Write(const std::string& section, const std::string& key,
                                          const std::string& value) = 0;
};

// The settings file of `folder`; an empty folder means the program folder as it is at each call.
class IniProfile : public SettingsProfile {
public:
    explicit IniProfile(std::string folder = {}) : m_folder(std::move(folder)) {}
    std::string Path() const;
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                     std::size_t bufferSize) const override;
    [[nodiscard]] FileError Write(const std::string& section, const std::string& key,
                                  const std::string& value) override;

private:
    std::string m_folder;
};

// The installed profile; the program folder's settings file unless another was installed. nullptr
// reinstalls it.
SettingsProfile& ProgramProfile();
void SetProgramProfile(std::unique_ptr<SettingsProfile> profile);
