#pragma once
// The mounted volumes a data folder can live on, for the drive window: a platform layer (see
// shell/LayerSlot.h). The real one asks the system for its mounted file systems.
#include <QString>
#include <memory>
#include <vector>

struct DataVolume {
    QString path;  // the mount point: the folder the client file would live in
    QString label; // the volume's label, may be empty
    bool removable = false;
};

class Volumes {
public:
    virtual ~Volumes() = default;
    // The volumes to offer, in the order to offer them.
    virtual std::vector<DataVolume> List() const = 0;
};

// Mounted, ready file systems that can hold files (system and pseudo file systems left out), removable
// ones first, each group in mount-point order.
class MountedVolumes : public Volumes {
public:
    std::vector<DataVolume> List() const override;
};

// The installed volume list; the mounted volumes unless another was installed. nullptr reinstalls them.
Volumes& ProgramVolumes();
void SetProgramVolumes(std::unique_ptr<Volumes> volumes);
// ProgramVolumes().List().
std::vector<DataVolume> ListDataVolumes();

// Whether the block device `device` (such as "/dev/sdb1") is removable according to
// `sysBlock`/<name>/removable, looking at the whole disk for a partition.
bool IsRemovableDevice(const QString& device, const QString& sysBlock = QStringLiteral("/sys/class/block"));
