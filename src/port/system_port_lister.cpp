#include "port/system_port_lister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <map>

namespace brenmoor::port {

namespace {

// The device node each stable name leads to; of two names for one device,
// the first in the directory's order.
std::map<QString, QString> stableNames(const QString& dir) {
    std::map<QString, QString> names;
    const QDir links(dir);
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        const QString device = link.canonicalFilePath();
        if (!device.isEmpty())
            names.emplace(device, link.absoluteFilePath());
    }
    return names;
}

// The kernel makes a node for every built-in port a PC might have (often
// 4 to 32 of them); the ones whose UART type is "unknown" (0) have no
// hardware behind them and would only fill the list with dead entries.
// Where the kernel does not say, the node stays listed.
bool withoutHardware(const QString& ttyClass, const QString& name) {
    QFile type(ttyClass + QLatin1Char('/') + name + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly))
        return false;
    return type.readAll().trimmed() == "0";
}

} // namespace

ComPortNames SystemPortLister::listPorts() {
    return portNames(describePorts());
}

PortDescriptions SystemPortLister::describePorts() {
    const std::map<QString, QString> stable =
        stableNames(QString::fromStdString(folders_.stableNames));
    const QString ttyClass = QString::fromStdString(folders_.ttyClass);
    PortDescriptions ports;
    // A device is listed once, under its stable name where it has one,
    // whichever of its names it was found by.
    auto add = [&](const QString& path, const QSerialPortInfo& info) {
        if (path.isEmpty())
            return;
        const QString canonical = QFileInfo(path).canonicalFilePath();
        const QString device = canonical.isEmpty() ? path : canonical;
        for (const PortDescription& listed : ports)
            if (listed.device == device.toStdString())
                return;
        const auto link = stable.find(device);
        PortDescription port{(link == stable.end() ? path : link->second).toStdString()};
        port.device = device.toStdString();
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
        ports.push_back(std::move(port));
    };
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        add(info.systemLocation(), info);
    const QDir dev(QString::fromStdString(folders_.devices));
    const QStringList patterns{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                               QStringLiteral("ttyS*")};
    for (const QString& pattern : patterns)
        for (const QString& entry :
             dev.entryList({pattern}, QDir::System | QDir::Files, QDir::Name))
            if (!withoutHardware(ttyClass, entry))
                add(dev.filePath(entry), QSerialPortInfo());
    for (const std::string& path : extra_)
        add(QString::fromStdString(path), QSerialPortInfo());
    return ports;
}

} // namespace brenmoor::port
