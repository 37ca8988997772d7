#pragma once

#include "core/resources/prompter.h"
#include "core/serial/port_settings.h"
#include "sim/pty_gateway.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brenmoor::gui::test {

// Records what the serial dialogs show and answers their questions from a
// queue (Yes or OK when it is empty), without any modal box.
class RecordingPrompter : public Prompter {
  public:
    using Prompter::ask;
    using Prompter::inform;

    QStringList shown;
    std::deque<Answer> answers;
    // Called as each text is shown, to look at the screen at that moment.
    std::function<void()> onShown;

    Answer ask(std::string_view text, Buttons buttons) override {
        inform(text);
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void inform(std::string_view text) override {
        shown.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        if (onShown)
            onShown();
    }
    void notice(std::string_view text, NoticeKind) override { inform(text); }
};

// A fixed port list.
class FixedPortLister : public PortLister {
  public:
    explicit FixedPortLister(ComPortNames names) : names_(std::move(names)) {}
    ComPortNames listPorts() override { return names_; }

  private:
    ComPortNames names_;
};

// A simulated gateway on a pseudo-terminal for one test, stopped at the end.
// Replies are timed for 115200 baud: the upload waits only 50 ms for each
// reply, too little slack at 19200 on a machine busy with builds.
class SimulatedGateway {
  public:
    explicit SimulatedGateway(sim::GatewayOptions options = fastOptions(),
                              sim::GatewayConfig config = {},
                              std::vector<sim::FaultRule> faults = {})
        : gateway_(makeEngine(options, std::move(config), faults)) {
        ok_ = gateway_.open();
        if (ok_)
            gateway_.start();
    }
    ~SimulatedGateway() {
        if (ok_) {
            gateway_.stop();
            gateway_.join();
        }
    }
    bool ok() const { return ok_; }
    std::string device() const { return gateway_.devicePath(); }

    static sim::GatewayOptions fastOptions() {
        sim::GatewayOptions options;
        options.baudRate = 115200;
        return options;
    }

  private:
    static sim::GatewayEngine makeEngine(const sim::GatewayOptions& options,
                                         sim::GatewayConfig config,
                                         const std::vector<sim::FaultRule>& faults) {
        sim::GatewayEngine engine(options, std::move(config));
        for (const sim::FaultRule& rule : faults)
            engine.addFault(rule);
        return engine;
    }

    sim::PtyGateway gateway_;
    bool ok_ = false;
};

// Whether a scripted dialog came up. The watch ends with the last copy of
// this handle, so a dialog a test expects not to see cannot be scripted by
// a later test.
struct ModalWatch {
    bool ran = false;
    explicit operator bool() const { return ran; }
};

// Runs `script` once a modal dialog of type T (not yet handled) is up,
// inside that dialog's event loop; the script may wait (QTest::qWaitFor) and
// must close the dialog.
template <class T> std::shared_ptr<ModalWatch> whenModal(std::function<void(T*)> script) {
    auto watch = std::make_shared<ModalWatch>();
    std::weak_ptr<ModalWatch> weak = watch;
    auto poll = std::make_shared<std::function<void()>>();
    auto release = [poll] { QTimer::singleShot(0, [poll] { *poll = nullptr; }); };
    *poll = [weak, poll, script, release] {
        auto alive = weak.lock();
        if (!alive) {
            release();
            return;
        }
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("scriptedByTest").toBool()) {
            QTimer::singleShot(2, *poll);
            return;
        }
        dialog->setProperty("scriptedByTest", true);
        alive->ran = true;
        // The cycle is broken before the script runs, which may wait long.
        release();
        script(dialog);
        // A failed check returns from the script early: the dialog must not
        // be left open for the rest of the run.
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    };
    QTimer::singleShot(0, *poll);
    return watch;
}

} // namespace brenmoor::gui::test
