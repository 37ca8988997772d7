#pragma once

#include <QStringList>

namespace brenmoor::gui {

// The list of the most recently used project files, kept in the user's
// settings under the keys the program has always used. The menus do not
// show it.
class RecentFiles {
  public:
    static constexpr int kMaxEntries = 4;

    static QStringList load();
    // Puts `path` at the top, drops duplicates and the oldest beyond four.
    static void add(const QString& path);
};

} // namespace brenmoor::gui
