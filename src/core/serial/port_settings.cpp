#include "core/serial/port_settings.h"

#include "core/resources/message_text.h"
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

std::string portLabel(const PortDescription& port) {
    std::string label = port.name;
    if (!port.device.empty() && port.device != port.name)
        label += " (" + port.device.substr(port.device.find_last_of('/') + 1) + ")";
    std::string known;
    for (const std::string* part : {&port.description, &port.manufacturer, &port.serialNumber}) {
        if (part->empty())
            continue;
        known += known.empty() ? "" : ", ";
        known += *part;
    }
    if (!known.empty())
        label += " - " + known;
    return label;
}

PortDescriptions PortLister::describePorts() {
    return portsNamed(listPorts());
}

PortDescriptions portsNamed(const ComPortNames& names) {
    PortDescriptions described;
    described.reserve(names.size());
    for (const std::string& name : names)
        described.push_back({name});
    return described;
}

ComPortNames portNames(const PortDescriptions& described) {
    ComPortNames names;
    names.reserve(described.size());
    for (const PortDescription& port : described)
        names.push_back(port.name);
    return names;
}

void enumerateComPorts(PortLister& lister, ComPortNames& names, SerialPortSettings& settings) {
    PortDescriptions described;
    enumerateComPorts(lister, names, described, settings);
}

void enumerateComPorts(PortLister& lister, ComPortNames& names, PortDescriptions& described,
                       SerialPortSettings& settings) {
    described = lister.describePorts();
    names = portNames(described);
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

std::string portOpenDetails(const PortOpenResult& result) {
    switch (result.cause) {
    case PortOpenCause::PermissionDenied:
        // Debian's and Ubuntu's group for serial devices, where the system
        // does not say.
        return fillIn(msg::PortPermissionDenied,
                      {result.group.empty() ? std::string_view("dialout") : result.group});
    case PortOpenCause::OwnerOnly:
        return std::string(loadString(msg::PortOwnerOnly));
    case PortOpenCause::Busy:
        return result.holder.empty() ? std::string(loadString(msg::PortBusy))
                                     : formatMessage(msg::PortBusyHeldBy, result.holder);
    case PortOpenCause::BusyOrDenied:
        return std::string(loadString(msg::PortBusyOrDenied));
    case PortOpenCause::Gone:
        return std::string(loadString(msg::PortGone));
    case PortOpenCause::NoSuchDevice:
        return std::string(loadString(msg::PortNoSuchDevice));
    case PortOpenCause::NotASerialPort:
        return std::string(loadString(msg::PortNotSerial));
    case PortOpenCause::Unknown:
        break;
    }
    return result.systemText.empty() ? std::string()
                                     : formatMessage(msg::PortSystemReason, result.systemText);
}

OpenedPort openConfigPort(PortOpener& opener, const std::string& name, const LineSettings& line) {
    PortOpenResult result = opener.open(name, line);
    if (result.error == PortOpenError::None && result.port)
        return {std::move(result.port), Outcome::success()};
    std::string details = portOpenDetails(result);
    switch (result.error) {
    case PortOpenError::ReadSettingsFailed:
        return {nullptr, Outcome::failure(msg::ErrorReadingPortParameters,
                                          std::string(loadString(msg::ErrorReadingPortParameters)),
                                          std::move(details))};
    case PortOpenError::WriteSettingsFailed:
        return {nullptr, Outcome::failure(msg::SerialSettingError,
                                          std::string(loadString(msg::SerialSettingError)),
                                          std::move(details))};
    case PortOpenError::None: // but no port
    case PortOpenError::OpenFailed:
        break;
    }
    return {nullptr,
            Outcome::failure(msg::PortFailedToOpen, formatMessage(msg::PortFailedToOpen, name),
                             std::move(details))};
}

} // namespace brenmoor
