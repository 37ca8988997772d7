#include "gui/app/help_window.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"
#include "gui/app/program_files.h"
#include "gui/app/window_placement.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace brenmoor::gui {

HelpWindow::HelpWindow(const QString& indexFile, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(qtext(msg::HelpTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(false);
    browser_->setSource(indexFile.startsWith(QLatin1Char(':'))
                            ? QUrl(QStringLiteral("qrc") + indexFile)
                            : QUrl::fromLocalFile(indexFile));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    QSize size(760, 600);
    // A small or scaled screen keeps the window on it, with room around.
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

HelpWindow* openHelp(QWidget* parent) {
    const QString compiled = programFolderFile(QStringLiteral("Brenmoor.chm"));
    if (QFileInfo::exists(compiled)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(compiled));
        return nullptr;
    }
    const QString index = programFile(QStringLiteral("help/index.html"));
    if (index.isEmpty())
        return nullptr;
    // One help window at a time.
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(index, parent);
        // Over the window it was asked from, not in a corner of the screen.
        centreOver(window, parent);
    }
    window->show();
    window->raise();
    return window;
}

} // namespace brenmoor::gui
