#include "gui/editor/info_text_panel.h"

#include "gui/app/gui_text.h"

#include <QTabWidget>

namespace brenmoor::gui {

InfoTextPanel::InfoTextPanel(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(11.5);
    setFont(font);
}

void InfoTextPanel::setText(std::string_view text) {
    // The texts carry CR LF line breaks; the widget wants plain LF.
    QString shown = qtext(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

void InfoTextPanel::bringToFront() {
    if (tabs_)
        tabs_->setCurrentWidget(this);
}

} // namespace brenmoor::gui
