#include "support/Tmpfs.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

Tmpfs::Tmpfs(int sizeKb) : m_sizeKb(sizeKb) {
    Mount();
}

Tmpfs::~Tmpfs() {
    if (m_mounted)
        ::umount2(m_dir.path().c_str(), MNT_DETACH);
}

bool Tmpfs::Mount() {
    const std::string options = "size=" + std::to_string(m_sizeKb) + "k,mode=0755";
    if (::mount("tarvos-test", m_dir.path().c_str(), "tmpfs", 0, options.c_str()) != 0) {
        m_why = std::string("cannot mount a tmpfs (") + std::strerror(errno) + "); needs root";
        return false;
    }
    m_mounted = true;
    return true;
}

bool Tmpfs::SetReadOnly(bool readOnly) {
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    const std::string options = "size=" + std::to_string(m_sizeKb) + "k";
    return ::mount("tarvos-test", m_dir.path().c_str(), "tmpfs", flags, options.c_str()) == 0;
}

bool Tmpfs::Unmount() {
    if (!m_mounted || ::umount2(m_dir.path().c_str(), MNT_DETACH) != 0)
        return false;
    m_mounted = false;
    return true;
}

void Tmpfs::Fill() {
    int fd = ::open(file("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const std::string block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}
