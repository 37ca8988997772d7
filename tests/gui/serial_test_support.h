#pragma once

#include "core/resources/prompter.h"
#include "core/serial/port_settings.h"
#include "scripted_port.h"
#include "sim/gateway_engine.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
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

// A simulated gateway in this process for one test: the gateway's engine
// answers what a port opened on device() writes, each reply arriving on the
// test's clock as late as it would on the line. Replies are timed for
// 115200 baud, where every reply fits into the upload's 50 ms.
class SimulatedGateway {
  public:
    explicit SimulatedGateway(sim::GatewayOptions options = fastOptions(),
                              sim::GatewayConfig config = {},
                              std::vector<sim::FaultRule> faults = {})
        : engine_(options, std::move(config)),
          device_("/dev/simulated-gateway-" + std::to_string(++count())) {
        for (const sim::FaultRule& rule : faults)
            engine_.addFault(rule);
        registry()[device_] = this;
    }
    ~SimulatedGateway() { registry().erase(device_); }
    SimulatedGateway(const SimulatedGateway&) = delete;
    SimulatedGateway& operator=(const SimulatedGateway&) = delete;

    bool ok() const { return true; }
    std::string device() const { return device_; }
    sim::GatewayEngine& engine() { return engine_; }

    static sim::GatewayOptions fastOptions() {
        sim::GatewayOptions options;
        options.baudRate = 115200;
        return options;
    }

    // A port on this gateway, as an opener of the device gives it.
    std::unique_ptr<SerialPort> open(Clock& clock) {
        auto port = std::make_unique<ScriptedPort>(clock);
        port->setResponder([this, &clock](const std::vector<uint8_t>& request) {
            ScriptedPort::Reply reply;
            for (sim::ScheduledReply& scheduled : engine_.receive(request, clock.now()))
                reply.chunks.push_back({scheduled.delayMs, std::move(scheduled.bytes)});
            return reply;
        });
        return port;
    }

    // The gateway of a device name, while it lives.
    static SimulatedGateway* find(const std::string& device) {
        const auto it = registry().find(device);
        return it == registry().end() ? nullptr : it->second;
    }

  private:
    static std::map<std::string, SimulatedGateway*>& registry() {
        static std::map<std::string, SimulatedGateway*> gateways;
        return gateways;
    }
    static int& count() {
        static int n = 0;
        return n;
    }

    sim::GatewayEngine engine_;
    std::string device_;
};

// Opens the devices of the simulated gateways alive now, on `clock`; any
// other device fails to open, as a missing one does.
class SimulatedPortOpener : public PortOpener {
  public:
    explicit SimulatedPortOpener(Clock& clock) : clock_(clock) {}
    PortOpenResult open(const std::string& deviceName, const LineSettings& line) override {
        ++opens;
        lastLine = line;
        SimulatedGateway* gateway = SimulatedGateway::find(deviceName);
        if (!gateway)
            return {nullptr, PortOpenError::OpenFailed};
        return {gateway->open(clock_), PortOpenError::None};
    }
    int opens = 0;
    LineSettings lastLine;

  private:
    Clock& clock_;
};

// A fake clock whose sleeps wait, in real time, until the test opens the
// gate: what a window does while a job waits on it shows. A gate nobody
// opens gives way after a few seconds, so a window that cannot open it fails
// its test instead of hanging it.
class GatedClock : public Clock {
  public:
    int64_t now() override { return now_; }
    void sleepMs(int ms) override {
        now_ += ms;
        std::unique_lock lock(mutex_);
        if (!opened_.wait_for(lock, std::chrono::seconds(5), [this] { return open_; }))
            waitedInVain_ = true;
    }
    void open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }
    bool waitedInVain() const { return waitedInVain_; }

  private:
    std::atomic<int64_t> now_ = 0;
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    std::atomic<bool> waitedInVain_ = false;
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
