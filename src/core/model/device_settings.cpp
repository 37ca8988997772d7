#include "core/model/device_settings.h"

namespace brenmoor {

void applySelectDeviceOk(DeviceSettings& settings) {
    settings = DeviceSettings{};
    settings.deviceFamily = kDeviceNetFamily;
    settings.modelCode = kCorvanPlusModel;
    setModelFlagsFromCode(settings);
}

void setModelFlagsFromCode(DeviceSettings& settings) {
    settings.model12 = settings.modelCode == 12;
    settings.model11 = settings.modelCode == 11;
}

void clearRecordFlags(DeviceSettings& settings) {
    settings.dataFilter = false;
    settings.model12 = false;
    settings.commonMode = false;
    settings.doubleFault = false;
    settings.model11 = false;
    settings.profibusData = false;
    settings.commandStatus = false;
}

void applyFailedOpen(DeviceSettings& settings) {
    const bool delimiter = settings.delimiter;
    clearRecordFlags(settings);
    settings.delimiter = delimiter;
    setModelFlagsFromCode(settings);
}

void applyNewDocument(DeviceSettings& settings) {
    settings.deviceFamily = kDeviceNetFamily;
}

void applyUploadedDeviceType(DeviceSettings& settings, int deviceType) {
    settings.deviceFamily = deviceType - 1;
}

} // namespace brenmoor
