#include "gui/editor/cwarning.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"
#include "gui/app/window_placement.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>

namespace brenmoor::gui {

CWARNING::CWARNING(const QString& text, Template kind) : QDialog(nullptr), text_(text) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(kind == Template::SlaveAddress ? qtext(msg::AppTitle) : QString());
    // The two dialog templates measured 179 x 68 and 254 x 90 dialog units.
    const QSize size = kind == Template::SlaveAddress ? QSize(269, 111) : QSize(381, 146);
    setFixedSize(size);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("noticeText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(label, 1);
}

CWARNING* CWARNING::showNotice(const QString& text, Template kind, const QWidget* over) {
    auto* notice = new CWARNING(text, kind);
    if (over && over->isVisible()) {
        centreOver(notice, over);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), notice->size());
        frame.moveCenter(screen->availableGeometry().center());
        notice->move(frame.topLeft());
    }
    notice->show();
    notice->raise();
    notice->repaint();
    return notice;
}

} // namespace brenmoor::gui
