#include "gui/app/startup_clock.h"

#include <QFile>
#include <QStringList>

#include <unistd.h>

namespace brenmoor::gui {

namespace {
QByteArray readProcFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

double millisecondsSinceProcessStart() {
    // Field 22 of /proc/self/stat is the start time in clock ticks after
    // boot; /proc/uptime gives the seconds since boot now. The command name
    // (field 2) may hold blanks, so count from the closing parenthesis.
    const QByteArray stat = readProcFile("/proc/self/stat");
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    constexpr int kStartTimeAfterName = 22 - 3;
    if (fields.size() <= kStartTimeAfterName)
        return -1;
    const double ticks = fields[kStartTimeAfterName].toDouble();
    const double uptime = readProcFile("/proc/uptime").split(' ').value(0).toDouble();
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (uptime - ticks / hz) * 1000.0;
}

} // namespace brenmoor::gui
