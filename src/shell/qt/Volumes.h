#pragma once
// The mounted volumes a data folder can live on, for the drive window.
#include <QString>
#include <vector>

struct DataVolume {
    QString path;  // the mount point: the folder the client file would live in
    QString label; // the volume's label, may be empty
    bool removable = false;
};

// Mounted, ready file systems that can hold files (system and pseudo file systems left out), removable
// ones first, each group in mount-point order.
std::vector<DataVolume> ListDataVolumes();
// Whether the block device `device` (such as "/dev/sdb1") is removable according to
// `sysBlock`/<name>/removable, looking at the whole disk for a partition.
bool IsRemovableDevice(const QString& device, const QString& sysBlock = QStringLiteral("/sys/class/block"));
