#pragma once
// A volume list that offers exactly `list`.
#include "platform/Volumes.h"

class FakeVolumes : public Volumes {
public:
    std::vector<DataVolume> List() const override { return list; }
    std::vector<DataVolume> list;
};
