#include "platform/Volumes.h"

#include "shell/LayerSlot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {
LayerSlot<Volumes, MountedVolumes> g_volumes;

bool ReadFlag(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1";
}

bool IsSystemMount(const QStorageInfo& v) {
    static const QStringList pseudo = {
        "proc",       "sysfs",      "devtmpfs", "devpts",  "cgroup",      "cgroup2",
        "securityfs", "pstore",     "bpf",      "tracefs", "debugfs",     "mqueue",
        "hugetlbfs",  "configfs",   "fusectl",  "autofs",  "binfmt_misc", "efivarfs",
        "nsfs",       "rpc_pipefs", "squashfs", "ramfs",   "fuse.portal", "fuse.gvfsd-fuse"};
    if (pseudo.contains(QString::fromLatin1(v.fileSystemType())))
        return true;
    const QString root = v.rootPath();
    for (const char* prefix : {"/proc", "/sys", "/dev", "/snap", "/boot", "/var/lib/docker"})
        if (root == QLatin1String(prefix) || root.startsWith(QLatin1String(prefix) + '/'))
            return true;
    return root.startsWith(QLatin1String("/run")) && !root.startsWith(QLatin1String("/run/media/"));
}
} // namespace

bool IsRemovableDevice(const QString& device, const QString& sysBlock) {
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString name = QFileInfo(device).canonicalFilePath().section('/', -1);
    const QString entry = QDir(sysBlock).filePath(name.isEmpty() ? device.section('/', -1) : name);
    if (QFile::exists(entry + "/removable"))
        return ReadFlag(entry + "/removable");
    // A partition: the flag belongs to its disk, the folder above it in /sys.
    const QString disk = QFileInfo(entry).canonicalFilePath();
    return !disk.isEmpty() && ReadFlag(QFileInfo(disk).path() + "/removable");
}

std::vector<DataVolume> MountedVolumes::List() const {
    std::vector<DataVolume> list;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || IsSystemMount(v))
            continue;
        list.push_back({v.rootPath(), v.name(), IsRemovableDevice(QString::fromLocal8Bit(v.device()))});
    }
    std::stable_sort(list.begin(), list.end(), [](const DataVolume& a, const DataVolume& b) {
        if (a.removable != b.removable)
            return a.removable;
        return a.path < b.path;
    });
    return list;
}

Volumes& ProgramVolumes() {
    return g_volumes.Get();
}
void SetProgramVolumes(std::unique_ptr<Volumes> volumes) {
    g_volumes.Set(std::move(volumes));
}
std::vector<DataVolume> ListDataVolumes() {
    return ProgramVolumes().List();
}
