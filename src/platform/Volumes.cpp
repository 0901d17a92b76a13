#include "platform/Volumes.h"

#include "shell/LayerSlot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStorageInfo>
#include <algorithm>

namespace {
LayerSlot<Volumes, MountedVolumes> g_volumes;

QByteArray ReadValue(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

// The device a path names, links such as /dev/disk/by-uuid/... followed where they exist.
QString ResolvedDevice(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(device) : canonical;
}

// The device's folder in sysfs: <sysBlock>/<name> for a disk or a partition.
QString SysEntry(const QString& device, const QString& sysBlock) {
    return QDir(sysBlock).filePath(ResolvedDevice(device).section('/', -1));
}

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// Undoes the octal escapes of the mount table and of udev's label links ("\040", "\x20").
QString Unescape(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && IsOctal(text[i + 1]) && IsOctal(text[i + 2]) &&
            IsOctal(text[i + 3])) {
            out += static_cast<char>(text.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out += static_cast<char>(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return QString::fromUtf8(out);
}

bool IsUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + '/');
}

// Mount points that belong to the system even on a removable device (a system started from a stick).
bool IsSystemPath(const QString& path) {
    if (path == QLatin1String("/"))
        return true;
    for (const char* folder : {"/boot", "/proc", "/sys", "/dev", "/run", "/snap", "/var", "/usr", "/etc",
                               "/opt", "/srv", "/tmp", "/home"})
        if (IsUnder(path, QLatin1String(folder)))
            return !IsUnder(path, QStringLiteral("/run/media"));
    return false;
}

bool IsUserMountPoint(const QString& path) {
    for (const char* folder : {"/media", "/run/media", "/mnt"})
        if (path != QLatin1String(folder) && IsUnder(path, QLatin1String(folder)))
            return true;
    return path == QLatin1String("/mnt");
}

// File systems that can hold a user's files: a block device's (images of read-only file systems
// left out) or a network share's. Kernel and memory file systems never.
bool HoldsUserFiles(const QString& device, const QString& type) {
    static const QStringList network = {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"};
    if (network.contains(type))
        return true;
    return device.startsWith(QLatin1String("/dev/")) && type != QLatin1String("squashfs");
}

// Device (canonical path) -> label, from the label links.
QHash<QString, QString> Labels(const QString& byLabel) {
    QHash<QString, QString> labels;
    const QDir dir(byLabel);
    for (const QFileInfo& link : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        labels.insert(ResolvedDevice(link.symLinkTarget()), Unescape(link.fileName().toUtf8()));
    return labels;
}
} // namespace

QString VolumeDisplayText(const DataVolume& v) {
    QString name = v.label.isEmpty() ? QFileInfo(v.path).fileName() : v.label;
    if (name.isEmpty())
        name = v.path;
    if (v.bytes > 0)
        name +=
            QStringLiteral(" (%1)").arg(QLocale().formattedDataSize(v.bytes, 1, QLocale::DataSizeSIFormat));
    return name + QStringLiteral("  ") + v.path;
}

bool IsRemovableDevice(const QString& device, const QString& sysBlock) {
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString entry = SysEntry(device, sysBlock);
    if (QFile::exists(entry + "/removable"))
        return ReadValue(entry + "/removable") == "1";
    // A partition: the flag belongs to its disk, the folder above it in /sys.
    const QString disk = QFileInfo(entry).canonicalFilePath();
    return !disk.isEmpty() && ReadValue(QFileInfo(disk).path() + "/removable") == "1";
}

std::vector<DataVolume> MountedVolumes::List() const {
    QFile table(m_sources.mountTable);
    if (!table.open(QIODevice::ReadOnly))
        return {};
    const QHash<QString, QString> labels = Labels(m_sources.byLabel);
    std::vector<DataVolume> list;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QString device = Unescape(fields[0]);
        const QString path = QDir::cleanPath(Unescape(fields[1]));
        const QString type = QString::fromUtf8(fields[2]);
        // A later mount over the same folder hides the earlier one.
        std::erase_if(list, [&](const DataVolume& v) { return v.path == path; });
        if (!HoldsUserFiles(device, type) || IsSystemPath(path))
            continue;
        const bool removable = IsRemovableDevice(device, m_sources.sysBlock);
        if (!removable && !IsUserMountPoint(path))
            continue;
        DataVolume v{path, labels.value(ResolvedDevice(device)), removable};
        const QByteArray sectors = ReadValue(SysEntry(device, m_sources.sysBlock) + "/size");
        v.bytes = device.startsWith(QLatin1String("/dev/")) && !sectors.isEmpty()
                      ? sectors.toLongLong() * 512
                      : std::max<qint64>(0, QStorageInfo(path).bytesTotal());
        list.push_back(v);
    }
    std::stable_sort(list.begin(), list.end(), [](const DataVolume& a, const DataVolume& b) {
        if (a.removable != b.removable)
            return a.removable;
        if (a.removable && a.label.compare(b.label, Qt::CaseInsensitive) != 0)
            return a.label.compare(b.label, Qt::CaseInsensitive) < 0;
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
