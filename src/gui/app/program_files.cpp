#include "gui/app/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brenmoor::gui {

QString programFolderFile(const QString& relativePath) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(relativePath);
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
