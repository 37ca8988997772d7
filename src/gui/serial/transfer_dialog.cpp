#include "gui/serial/transfer_dialog.h"

#include "core/resources/messages_desktop.h"
#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/qt_prompter.h"
#include "gui/serial/check_mark_icon.h"
#include "gui/serial/request_progress.h"
#include "gui/serial/serial_link.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace brenmoor::gui {

namespace {
// The places of the lines and icons, in dialog client pixels.
constexpr int kTextLeft = 80;
constexpr int kLineATop = 45;
constexpr int kLineBTop = 65;
constexpr int kStatusHeight = 20;
constexpr int kStepTop = 105;
constexpr int kStepPitch = 30;
constexpr int kStepHeight = 29;
constexpr int kIconLeft = 45;
constexpr int kIconTop = 95;
constexpr int kIconSize = 32;
constexpr int kDialogWidth = 460;
// A fourth step line, when there is one, ends where the third does.
constexpr int kExtraStepRight = 400;
// Under the step lines: the progress bar, and the command it is on.
constexpr int kProgressGap = 5;
constexpr int kProgressHeight = 22;
constexpr int kProgressRight = 330;
constexpr int kCommandLeft = 340;
constexpr int kCommandRight = 420;
constexpr int kProgressRow = 30;

int stepsBottom(size_t steps) {
    return kStepTop + static_cast<int>(steps) * kStepPitch;
}
} // namespace

TransferDialog::TransferDialog(SerialLink& link, MessageId title, MessageId action,
                               const std::array<int, 5>& rightEdges, int steps, QWidget* parent)
    : QDialog(parent), link_(link),
      ownPrompter_(link.prompter() ? nullptr : std::make_unique<QtPrompter>(this)),
      prompter_(link.prompter() ? link.prompter() : ownPrompter_.get()),
      jobPrompter_(this, *prompter_) {
    setWindowTitle(qtext(title));

    auto label = [this](QRect rect) {
        auto* l = new QLabel(this);
        l->setGeometry(rect);
        return l;
    };
    lineA_ = label(
        QRect(QPoint(kTextLeft, kLineATop), QPoint(rightEdges[0], kLineATop + kStatusHeight)));
    lineB_ = label(
        QRect(QPoint(kTextLeft, kLineBTop), QPoint(rightEdges[1], kLineBTop + kStatusHeight)));
    lineA_->setObjectName(QStringLiteral("lineA"));
    lineB_->setObjectName(QStringLiteral("lineB"));
    const QPixmap check = checkMarkPixmap();
    for (int i = 0; i < steps; ++i) {
        const int right = i < 3 ? rightEdges[static_cast<size_t>(2 + i)] : kExtraStepRight;
        const int top = kStepTop + i * kStepPitch;
        QLabel* line = label(QRect(QPoint(kTextLeft, top), QPoint(right, top + kStepHeight)));
        line->setObjectName(QStringLiteral("stepLine%1").arg(i + 1));
        QLabel* icon = label(QRect(kIconLeft, kIconTop + i * kStepPitch, kIconSize, kIconSize));
        icon->setObjectName(QStringLiteral("stepIcon%1").arg(i + 1));
        icon->setPixmap(check);
        icon->setAccessibleName(qtext(msg::CheckMarkName));
        icon->hide();
        stepLines_.push_back(line);
        stepIcons_.push_back(icon);
    }

    const int progressTop = stepsBottom(stepLines_.size()) + kProgressGap;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("transferProgress"));
    progress_->setGeometry(QRect(QPoint(kTextLeft, progressTop),
                                 QPoint(kProgressRight, progressTop + kProgressHeight - 1)));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(true);
    progress_->hide();
    commandLine_ = label(QRect(QPoint(kCommandLeft, progressTop),
                               QPoint(kCommandRight, progressTop + kProgressHeight - 1)));
    commandLine_->setObjectName(QStringLiteral("commandLine"));

    action_ = new QPushButton(qtext(action), this);
    exit_ = new QPushButton(qtext(msg::ExitButton), this);
    action_->setEnabled(false);
    action_->setAutoDefault(false);
    exit_->setAutoDefault(false);
    connect(action_, &QPushButton::clicked, this, [this] { startTransfer(); });
    connect(exit_, &QPushButton::clicked, this, &TransferDialog::reject);
    const int buttonsTop = belowSteps() + 40;
    action_->setGeometry(kDialogWidth / 2 - 130, buttonsTop, 110, 30);
    exit_->setGeometry(kDialogWidth / 2 + 20, buttonsTop, 110, 30);
    setFixedSize(kDialogWidth, buttonsTop + 50);
}

TransferDialog::~TransferDialog() {
    // After any job still queued: the port is closed where it was used.
    closePort();
}

int TransferDialog::belowSteps() const {
    return stepsBottom(stepLines_.size()) + kProgressRow;
}

int TransferDialog::runModal() {
    if (!prepare())
        return QDialog::Rejected;
    if (!openPort())
        return QDialog::Rejected;
    action_->setEnabled(true);
    action_->setFocus();
    return exec();
}

bool TransferDialog::openPort() {
    Outcome opened = Outcome::success();
    PortOpener& opener = link_.opener();
    const ComPortNames names = link_.portNames();
    const SerialPortSettings settings = link_.settings();
    link_.worker().runAndWait([&] {
        OpenedPort port = openConfigPort(opener, names, settings);
        opened = port.outcome;
        session_.port = std::move(port.port);
    });
    if (!opened) {
        prompter_->inform(opened);
        return false;
    }
    return true;
}

void TransferDialog::closePort() {
    link_.worker().runAndWait([this] {
        if (session_.port)
            session_.port->closePort();
        session_.port.reset();
    });
}

void TransferDialog::post(std::function<void(TransferSession&, Clock&)> job) {
    link_.worker().post([this, job = std::move(job)] { job(session_, link_.clock()); });
}

void TransferDialog::toUi(std::function<void()> f) {
    runOnUi(this, std::move(f));
}

TransferProgress TransferDialog::progressToUi() {
    return [this](const TransferView& view) { toUi([this, view] { showView(view); }); };
}

void TransferDialog::showView(const TransferView& view) {
    lineA_->setText(qtext(view.lineA));
    lineB_->setText(qtext(view.lineB));
    for (size_t i = 0; i < stepLines_.size(); ++i) {
        if (i < 3) {
            stepLines_[i]->setText(qtext(view.stepLines[i]));
            stepLines_[i]->setVisible(view.stepLinesVisible);
            stepIcons_[i]->setVisible(view.iconsVisible && view.iconsHaveCheckMark);
        } else {
            // The read-back's line shows once it has something to say, and
            // earns its check mark only when the gateway holds what was sent.
            stepLines_[i]->setText(qtext(view.verifyLine));
            stepLines_[i]->setVisible(!view.verifyLine.empty());
            stepIcons_[i]->setVisible(!view.verifyLine.empty() && view.verifyPassed);
        }
    }
    // The count comes with the transfer's own reports; a view without a
    // plan (nothing sent yet) leaves the bar away.
    progress_->setVisible(view.count.requestsPlanned > 0);
    showRequestCount(*progress_, view.count);
    commandLine_->setText(qtext(commandCountText(view.count)));
}

void TransferDialog::setTransferring(bool transferring) {
    transferring_ = transferring;
    action_->setEnabled(!transferring);
    exit_->setEnabled(!transferring);
}

void TransferDialog::endTransfer(const Outcome& outcome, const std::optional<TransferView>& last) {
    if (!outcome)
        showFailure(outcome);
    if (last)
        showView(*last);
    setTransferring(false);
    emit transferFinished(outcome.ok());
}

void TransferDialog::showFailure(const Outcome& outcome) {
    prompter_->inform(outcome.message());
}

void TransferDialog::reject() {
    // A transfer is never abandoned half-way from the dialog: the gateway
    // would be left with whatever the last frame wrote.
    if (transferring_)
        return;
    closePort();
    QDialog::reject();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
    if (transferring_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace brenmoor::gui
