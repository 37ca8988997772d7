#include "core/mapping/memory_areas.h"

#include "core/mapping/mapping_numbers.h"
#include "core/mapping/profibus_config.h"
#include "core/model/store_texts.h"

namespace brenmoor {

std::optional<MemoryAreaSizes> memoryAreaSizes(const Project& project, AreaSizeUse use,
                                               MappingState& state) {
    const DeviceSettings& device = project.device;
    const FIELDBUS& fieldbus = project.store.fieldbus;
    if (device.doubleFault)
        return MemoryAreaSizes{168, 168};
    if (device.commandStatus)
        return MemoryAreaSizes{224, 224};
    if (device.commonMode && use == AreaSizeUse::AutoMapping)
        return MemoryAreaSizes{224, 224};
    if ((device.dataFilter || device.profibusData) &&
        fieldbus.profibusConfigMode == text::EnterConfigData) {
        if (evaluateProfibusConfig(fieldbus.profibusConfigData, state) ==
            ProfibusConfigResult::Error)
            return std::nullopt;
        return MemoryAreaSizes{state.profibusInputLength, state.profibusOutputLength};
    }
    return MemoryAreaSizes{leadingDecimal(fieldbus.inputSize), leadingDecimal(fieldbus.outputSize)};
}

} // namespace brenmoor
