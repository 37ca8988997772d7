#include "gui/app/qt_prompter.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"
#include "gui/app/window_placement.h"
#include "gui/editor/cwarning.h"

#include <QMessageBox>

namespace brenmoor::gui {

Answer QtPrompter::ask(std::string_view text, Buttons buttons) {
    QMessageBox box(visibleAnchor(parent_));
    box.setWindowTitle(qtext(msg::AppTitle));
    box.setText(qtext(text));
    if (buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtPrompter::inform(std::string_view text) {
    informDetailed(text, {});
}

void QtPrompter::informDetailed(std::string_view text, std::string_view details) {
    QMessageBox box(visibleAnchor(parent_));
    box.setWindowTitle(qtext(msg::AppTitle));
    box.setIcon(QMessageBox::Warning);
    box.setText(qtext(text));
    box.setInformativeText(qtext(details));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPrompter::informList(std::string_view heading, const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& line : lines)
        all << qtext(line);
    QStringList first = all.mid(0, kListLinesShown);
    if (all.size() > kListLinesShown)
        first << QStringLiteral("...");
    QMessageBox box(visibleAnchor(parent_));
    box.setWindowTitle(qtext(msg::AppTitle));
    box.setIcon(QMessageBox::Warning);
    box.setText(qtext(heading));
    box.setInformativeText(first.join(QLatin1Char('\n')));
    box.setDetailedText(all.join(QLatin1Char('\n')));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPrompter::notice(std::string_view text, NoticeKind kind) {
    CWARNING::showNotice(qtext(text),
                         kind == NoticeKind::SlaveAddress ? CWARNING::Template::SlaveAddress
                                                          : CWARNING::Template::BufferSize,
                         visibleAnchor(parent_));
}

} // namespace brenmoor::gui
