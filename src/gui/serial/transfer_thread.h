#pragma once

#include "core/resources/prompter.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace brenmoor::gui {

// What a transfer dialog keeps on its transfer thread. Only jobs running on
// that thread touch it: the port was opened there and belongs to it.
struct TransferSession {
    std::unique_ptr<SerialPort> port;
    SteadyClock clock;
    TransferView view;
};

// Asks on the user-interface thread and makes the transfer thread wait for
// the answer, so that a question in the middle of a transfer is a message
// box of the dialog like any other.
class UiThreadPrompter : public Prompter {
  public:
    UiThreadPrompter(QObject* ui, Prompter& target) : ui_(ui), target_(target) {}

    using Prompter::ask;
    using Prompter::inform;
    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    void notice(std::string_view text, NoticeKind kind) override;

  private:
    QObject* ui_;
    Prompter& target_;
};

// The thread a transfer dialog runs its port on, so that the dialog keeps
// repainting while a transfer waits for the gateway. The port is opened,
// used and closed there only (a serial port object may not change threads
// while it is open).
class TransferThread {
  public:
    using Job = std::function<void(TransferSession&)>;

    // `ui` is the dialog: results are delivered to it, and `uiPrompter`
    // answers on its thread.
    TransferThread(QObject* ui, Prompter& uiPrompter);
    // Closes the port and ends the thread, after any job still running.
    ~TransferThread();
    TransferThread(const TransferThread&) = delete;
    TransferThread& operator=(const TransferThread&) = delete;

    // Runs `job` on the transfer thread and waits for it. Only for short
    // jobs that ask nothing (opening and closing the port).
    void runAndWait(Job job);
    // Runs `job` on the transfer thread; the caller goes on at once.
    void post(Job job);
    // From a job: runs `f` on the user-interface thread, in posting order.
    void toUi(std::function<void()> f);
    // A job's prompter: asks on the user-interface thread.
    Prompter& prompter() { return prompter_; }

  private:
    QObject* ui_;
    UiThreadPrompter prompter_;
    QThread thread_;
    std::unique_ptr<QObject> context_;
    TransferSession session_;
};

} // namespace brenmoor::gui
