#include "port/system_port_lister.h"

#include <QDir>
#include <QSerialPortInfo>

#include <algorithm>

namespace brenmoor::port {

ComPortNames SystemPortLister::listPorts() {
    ComPortNames names;
    auto add = [&names](const std::string& path) {
        if (!path.empty() && std::find(names.begin(), names.end(), path) == names.end())
            names.push_back(path);
    };
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        add(info.systemLocation().toStdString());
    const QDir dev(QStringLiteral("/dev"));
    const QStringList patterns{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                               QStringLiteral("ttyS*")};
    for (const QString& pattern : patterns)
        for (const QString& entry : dev.entryList({pattern}, QDir::System, QDir::Name))
            add(dev.filePath(entry).toStdString());
    for (const std::string& path : extra_)
        add(path);
    return names;
}

} // namespace brenmoor::port
