#pragma once

#include "core/resources/prompter.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace brenmoor::gui {

// Asks on the user-interface thread and makes the serial worker wait for
// the answer, so that a question in the middle of a transfer is a message
// box of the dialog like any other.
class UiThreadPrompter : public Prompter {
  public:
    UiThreadPrompter(QObject* ui, Prompter& target) : ui_(ui), target_(target) {}

    using Prompter::ask;
    using Prompter::inform;
    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    void informDetailed(std::string_view text, std::string_view details) override;
    void notice(std::string_view text, NoticeKind kind) override;

  private:
    QObject* ui_;
    Prompter& target_;
};

// The one thread every serial exchange of the window runs on: the
// transfers, Compare with Gateway and the waits of the monitor's Send. The
// window's event loop never waits for a gateway; it repaints while the
// worker does. Jobs run one at a time, in the order they were given, so a
// port is never used by two of them at once.
class SerialWorker {
  public:
    using Job = std::function<void()>;

    SerialWorker();
    // Ends the thread after the jobs still queued.
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // Runs `job` on the worker; the caller goes on at once.
    void post(Job job);
    // Runs `job` on the worker and blocks until it is done. Only for jobs
    // that neither wait for a gateway nor ask anything (opening and closing
    // a port).
    void runAndWait(Job job);
    // Runs `job` on the worker while the caller's event loop goes on
    // without user input (painting and timers only, as a modal wait would),
    // and returns once it is done. The job must not ask anything of the
    // user-interface thread that waits for input.
    void runWhileWaiting(Job job);
    // Whether runWhileWaiting() is waiting right now.
    bool waiting() const { return waiting_ > 0; }

  private:
    QThread thread_;
    std::unique_ptr<QObject> context_;
    int waiting_ = 0;
};

// From a job: runs `f` on the thread of `context`, in posting order; dropped
// when `context` is gone by then.
void runOnUi(QObject* context, std::function<void()> f);

} // namespace brenmoor::gui
