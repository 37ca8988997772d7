#include "core/serial/port_settings.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"

namespace brenmoor {

LineSettings lineSettingsFrom(const SerialPortSettings& settings) {
    LineSettings line;
    if (settings.baudIndex >= 0 && settings.baudIndex < static_cast<int>(kBaudRates.size()))
        line.baudRate = kBaudRates[static_cast<size_t>(settings.baudIndex)];
    if (settings.dataBitsIndex >= 0 && settings.dataBitsIndex <= 3)
        line.dataBits = 8 - settings.dataBitsIndex;
    if (settings.parityIndex >= 0 && settings.parityIndex <= 4)
        line.parity = static_cast<Parity>(settings.parityIndex);
    line.stopBits = settings.stopBitsIndex == 0 ? 1 : 2;
    return line;
}

void enumerateComPorts(PortLister& lister, ComPortNames& names, SerialPortSettings& settings) {
    names = lister.listPorts();
    settings.baudIndex = kDefaultBaudIndex;
}

std::optional<std::string> chosenPortName(const ComPortNames& names,
                                          const SerialPortSettings& settings) {
    const auto index = static_cast<size_t>(settings.portIndex < 0 ? 0 : settings.portIndex);
    if (index >= names.size())
        return std::nullopt;
    return names[index];
}

OpenedPort openConfigPort(PortOpener& opener, const ComPortNames& names,
                          const SerialPortSettings& settings) {
    const std::optional<std::string> name = chosenPortName(names, settings);
    if (!name)
        return {nullptr,
                Outcome::failure(msg::NoSerialPort, std::string(loadString(msg::NoSerialPort)))};
    return openConfigPort(opener, *name, lineSettingsFrom(settings));
}

OpenedPort openConfigPort(PortOpener& opener, const std::string& name, const LineSettings& line) {
    PortOpenResult result = opener.open(name, line);
    switch (result.error) {
    case PortOpenError::None:
        if (result.port)
            return {std::move(result.port), Outcome::success()};
        [[fallthrough]];
    case PortOpenError::OpenFailed:
        return {nullptr, Outcome::failure(msg::PortFailedToOpen,
                                          formatMessage(msg::PortFailedToOpen, name))};
    case PortOpenError::ReadSettingsFailed:
        return {nullptr,
                Outcome::failure(msg::ErrorReadingPortParameters,
                                 std::string(loadString(msg::ErrorReadingPortParameters)))};
    case PortOpenError::WriteSettingsFailed:
        return {nullptr, Outcome::failure(msg::SerialSettingError,
                                          std::string(loadString(msg::SerialSettingError)))};
    }
    return {nullptr,
            Outcome::failure(msg::PortFailedToOpen, formatMessage(msg::PortFailedToOpen, name))};
}

} // namespace brenmoor
