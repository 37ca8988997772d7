#pragma once

#include "core/resources/outcome.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"
#include "gui/serial/serial_worker.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace brenmoor {
class Prompter;
}

namespace brenmoor::gui {

class SerialLink;

// What a transfer dialog keeps for its jobs on the serial worker. Only those
// jobs touch it: the port was opened there and is used there only.
struct TransferSession {
    std::unique_ptr<SerialPort> port;
    TransferView view;
};

// What Download Configuration and Upload Configuration share: the port,
// opened when the dialog opens and kept open between transfers, the two
// status lines, the step lines with their check-mark icons, an action
// button and Exit. The transfer runs on the window's serial worker; the
// dialog repaints every step as it is reported and stays modal throughout.
class TransferDialog : public QDialog {
    Q_OBJECT

  public:
    ~TransferDialog() override;

    // Opens the dialog as its command does: the checks and the port first
    // (either may end it at once, after its message), then the dialog.
    int runModal();

    QLabel* lineA() const { return lineA_; }
    QLabel* lineB() const { return lineB_; }
    QLabel* stepLine(int i) const { return stepLines_[static_cast<size_t>(i)]; }
    QLabel* stepIcon(int i) const { return stepIcons_[static_cast<size_t>(i)]; }
    // Requests sent out of those the transfer will send, and the command it
    // is on ("k of n"), as the transfer reports them.
    QProgressBar* progressBar() const { return progress_; }
    QLabel* commandLine() const { return commandLine_; }
    QPushButton* actionButton() const { return action_; }
    QPushButton* exitButton() const { return exit_; }
    bool isTransferring() const { return transferring_; }

    void reject() override;

  signals:
    // A transfer ended and its message, if any, was shown.
    void transferFinished(bool succeeded);

  protected:
    // `steps`: how many step lines the dialog has room for (the download's
    // read-back adds a fourth).
    // `rightEdges`: where text lines A and B and step lines 1 to 3 end.
    TransferDialog(SerialLink& link, MessageId title, MessageId action,
                   const std::array<int, 5>& rightEdges, int steps, QWidget* parent);

    // What the dialog checks before the port opens; false closes it.
    virtual bool prepare() { return true; }
    // The action button.
    virtual void startTransfer() = 0;
    // The message of a failed transfer; a message box of the dialog.
    virtual void showFailure(const Outcome& outcome);

    // Opens the chosen port on the serial worker; shows the failure.
    bool openPort();
    void showView(const TransferView& view);
    // Called on the user-interface thread once a transfer has ended: its
    // message, if it failed, then `last`, the view as the transfer left it.
    void endTransfer(const Outcome& outcome, const std::optional<TransferView>& last = {});
    void setTransferring(bool transferring);

    Prompter& prompter() { return *prompter_; }
    // A job's prompter: asks on the user-interface thread and waits.
    Prompter& jobPrompter() { return jobPrompter_; }
    SerialLink& link() { return link_; }
    // Runs `job` on the serial worker with the dialog's session and the
    // link's clock.
    void post(std::function<void(TransferSession&, Clock&)> job);
    // From a job: runs `f` on the user-interface thread, in posting order.
    void toUi(std::function<void()> f);
    // A job's progress callback: each change is repainted on the UI thread.
    TransferProgress progressToUi();
    // Where the controls below the step lines and the progress bar go.
    int belowSteps() const;

    void closeEvent(QCloseEvent* event) override;

  private:
    void closePort();

    SerialLink& link_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
    UiThreadPrompter jobPrompter_;
    TransferSession session_;
    QLabel* lineA_;
    QLabel* lineB_;
    std::vector<QLabel*> stepLines_;
    std::vector<QLabel*> stepIcons_;
    QProgressBar* progress_;
    QLabel* commandLine_;
    QPushButton* action_;
    QPushButton* exit_;
    bool transferring_ = false;
};

} // namespace brenmoor::gui
