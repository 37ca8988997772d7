#pragma once

#include <QString>

namespace brenmoor::gui {

// A file the program reads from its own folder (the help file, the News
// page, the logo): beside the program, or <prefix>/share/brenmoor when it
// is installed in <prefix>/bin. When the folder lacks it, the copy built into the program
// is used, if there is one; otherwise the result is empty.
QString programFile(const QString& relativePath);

// The same file in the program's folder only, whether or not it exists.
QString programFolderFile(const QString& relativePath);

} // namespace brenmoor::gui
