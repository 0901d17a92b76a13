#pragma once
// A small tmpfs mounted on a temporary folder, standing in for a removable medium: remounted
// read-only for a write-protected one, unmounted for a removed one, filled for a full one. Needs
// root; mounted() is false where mounting is not permitted, and tests then skip.
#include "support/TempDir.h"

#include <string>

class Tmpfs {
public:
    explicit Tmpfs(int sizeKb = 256);
    ~Tmpfs();
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& path() const { return m_dir.path(); }
    std::string file(const std::string& name) const { return m_dir.file(name); }
    std::string why() const { return m_why; }
    void write(const std::string& name, const std::string& bytes) const { m_dir.write(name, bytes); }
    std::string read(const std::string& name) const { return m_dir.read(name); }

    bool SetReadOnly(bool readOnly);
    bool Unmount();
    // Mounts a fresh tmpfs again (a medium inserted again, with a new device number).
    bool Mount();
    // Fills the file system until no byte more fits.
    void Fill();

private:
    TempDir m_dir;
    int m_sizeKb;
    bool m_mounted = false;
    std::string m_why;
};
