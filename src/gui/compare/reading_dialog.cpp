#include "gui/compare/reading_dialog.h"

#include "core/resources/messages_history.h"
#include "gui/app/gui_text.h"
#include "gui/serial/request_progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace brenmoor::gui {

ReadingDialog::ReadingDialog(QWidget* parent)
    : QDialog(parent), lineA_(new QLabel(this)), lineB_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
    setWindowTitle(qtext(msg::CompareReadingTitle));
    setObjectName(QStringLiteral("readingDialog"));
    // Not modal: while it shows, the window gets no input events at all
    // (the serial worker's wait lets only painting and timers through), and
    // a modal window here would stand in the way of the message box that may
    // follow.
    setModal(false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    progress_->setRange(0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lineA_);
    layout->addWidget(lineB_);
    layout->addWidget(progress_);
    setMinimumWidth(360);
}

void ReadingDialog::showView(const TransferView& view) {
    lineA_->setText(qtext(view.lineA));
    lineB_->setText(qtext(view.lineB));
    showRequestCount(*progress_, view.count);
}

} // namespace brenmoor::gui
