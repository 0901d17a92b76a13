#pragma once
// The mounted volumes a data folder can live on, for the drive window: a platform layer (see
// shell/LayerSlot.h). The real one reads the system's mount table, with sysfs and the disk labels
// for what a file manager shows of each volume.
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

struct DataVolume {
    QString path;  // the mount point: the folder the client file would live in
    QString label; // the volume's label, may be empty
    bool removable = false;
    qint64 bytes = 0; // the volume's size, 0 when unknown
};

// What the drive list shows of a volume, as a file manager names it: the label (or the mount
// point's last name) with the size, then the mount point, such as "USBSTICK (8.0 GB)  /media/ann/USBSTICK".
QString VolumeDisplayText(const DataVolume& volume);

class Volumes {
public:
    virtual ~Volumes() = default;
    // The volumes to offer, in the order to offer them.
    virtual std::vector<DataVolume> List() const = 0;
};

// Where MountedVolumes reads the system's state; tests point it at files of their own.
struct VolumeSources {
    QString mountTable = QStringLiteral("/proc/self/mounts"); // fstab format, octal escapes
    QString sysBlock = QStringLiteral("/sys/class/block");    // <name>/removable, <name>/size
    QString byLabel = QStringLiteral("/dev/disk/by-label");   // links named by label to devices
};

// The volumes a user keeps data on: file systems of removable block devices first, ordered by
// label, then the other file systems mounted under /media, /run/media and /mnt, in mount-point
// order. Never the root, /boot, the system's own mounts or memory and kernel file systems; a folder
// mounted over twice is offered once, as its last mount. An unreadable mount table gives no volumes.
class MountedVolumes : public Volumes {
public:
    explicit MountedVolumes(VolumeSources sources = {}) : m_sources(std::move(sources)) {}
    std::vector<DataVolume> List() const override;

private:
    VolumeSources m_sources;
};

// The installed volume list; the mounted volumes unless another was installed. nullptr reinstalls them.
Volumes& ProgramVolumes();
void SetProgramVolumes(std::unique_ptr<Volumes> volumes);
// ProgramVolumes().List().
std::vector<DataVolume> ListDataVolumes();

// Whether the block device `device` (such as "/dev/sdb1") is removable according to
// `sysBlock`/<name>/removable, looking at the whole disk for a partition.
bool IsRemovableDevice(const QString& device, const QString& sysBlock = QStringLiteral("/sys/class/block"));
