#include "gui/app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace brenmoor::gui {

namespace {
const QString kOrganisation = QStringLiteral("Local AppWizard-Generated Applications");
const QString kApplication = QStringLiteral("Brenmoor");
const QString kGroup = QStringLiteral("Recent File List");

QString key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}
} // namespace

QStringList RecentFiles::load() {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    QStringList files;
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString file = settings.value(key(i)).toString();
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = load();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxEntries)
        files.removeLast();
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < files.size())
            settings.setValue(key(i), files[i]);
        else
            settings.remove(key(i));
    }
}

} // namespace brenmoor::gui
