#include "shell/SettingsProfile.h"

#include "shell/LayerSlot.h"
#include "shell/Profile.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

namespace {
LayerSlot<SettingsProfile, IniProfile> g_profile;
}

std::string IniProfile::Path() const {
    return m_folder.empty() ? SettingsPath() : JoinPath(m_folder, SettingsFileName);
}

std::string IniProfile::Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t bufferSize) const {
    return GetPrivateProfileString(section, key, defaultValue, bufferSize, Path());
}

FileError IniProfile::Write(const std::string& section, const std::string& key, const std::string& value) {
    return WritePrivateProfileString(section, key, value, Path());
}

SettingsProfile& ProgramProfile() {
    return g_profile.Get();
}
void SetProgramProfile(std::unique_ptr<SettingsProfile> profile) {
    g_profile.Set(std::move(profile));
}
