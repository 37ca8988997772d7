#include "gui/app/reachability.h"

#include <QFile>
#include <QNetworkInterface>

namespace brenmoor::gui {

// Each line after the header: interface, destination, gateway, flags, ...
// in hexadecimal. A default route has destination 0 and the route-up flag.
bool hasDefaultRoute(const QString& routeTable) {
    const QStringList lines = routeTable.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (fields.size() < 4)
            continue;
        bool destinationOk = false;
        bool flagsOk = false;
        const uint destination = fields[1].trimmed().toUInt(&destinationOk, 16);
        const uint flags = fields[3].trimmed().toUInt(&flagsOk, 16);
        constexpr uint kRouteUp = 0x1;
        if (destinationOk && flagsOk && destination == 0 && (flags & kRouteUp))
            return true;
    }
    return false;
}

bool networkLooksReachable() {
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly))
        return false;
    if (!hasDefaultRoute(QString::fromLatin1(routes.readAll())))
        return false;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

} // namespace brenmoor::gui
