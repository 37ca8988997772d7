#include "gui/app/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brenmoor::gui {

namespace {

// Run from a build tree, the files sit beside the program. Installed, the
// program is in <prefix>/bin, where data files do not belong: its folder's
// files are in <prefix>/share/brenmoor, found relative to the program so
// that an unpacked package works wherever it lies.
QString programFolder() {
    const QDir bin(QCoreApplication::applicationDirPath());
    if (bin.dirName() == QLatin1String("bin")) {
        const QString shared = bin.absoluteFilePath(QStringLiteral("../share/brenmoor"));
        if (QFileInfo(shared).isDir())
            return QDir::cleanPath(shared);
    }
    return bin.path();
}

} // namespace

QString programFolderFile(const QString& relativePath) {
    return QDir(programFolder()).filePath(relativePath);
}

QString programFile(const QString& relativePath) {
    const QString beside = programFolderFile(relativePath);
    if (QFileInfo::exists(beside))
        return beside;
    const QString builtIn = QStringLiteral(":/") + relativePath;
    if (QFileInfo::exists(builtIn))
        return builtIn;
    return {};
}

} // namespace brenmoor::gui
