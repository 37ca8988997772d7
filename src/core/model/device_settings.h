#pragma once

#include <cstdint>

namespace brenmoor {

inline constexpr int32_t kDeviceNetFamily = 0;
inline constexpr int32_t kCorvanPlusModel = 12;

// Which gateway is being configured, and the feature flags that project files
// can carry. One instance lives for the whole run.
struct DeviceSettings {
    int32_t deviceFamily = kDeviceNetFamily;
    int32_t modelCode = kCorvanPlusModel;
    bool model12 = false;
    bool model11 = false;
    bool dataFilter = false;
    bool commonMode = false;
    bool doubleFault = false;
    bool profibusData = false;
    bool commandStatus = false;
    bool delimiter = false;

    friend bool operator==(const DeviceSettings&, const DeviceSettings&) = default;
};

// OK in the Select Device dialog: the only model offered is the Corvan-Plus.
void applySelectDeviceOk(DeviceSettings& settings);

// Model flags follow the model code, which this program always forces to 12.
void setModelFlagsFromCode(DeviceSettings& settings);

// What each CONFIG record of a project file does to the flags before its
// version tail is read. The delimiter flag survives: only a tail that carries
// it may change it.
void clearRecordFlags(DeviceSettings& settings);

// The settings after a project file failed to open.
void applyFailedOpen(DeviceSettings& settings);

// File New keeps the flags (a file opened earlier may have set them).
void applyNewDocument(DeviceSettings& settings);

// An upload accepted a gateway reporting deviceType (family + 1).
void applyUploadedDeviceType(DeviceSettings& settings, int deviceType);

} // namespace brenmoor
