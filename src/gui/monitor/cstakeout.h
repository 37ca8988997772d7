#pragma once

#include "core/jobs/monitor_driver.h"
#include "core/monitor/monitor_session.h"
#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace brenmoor::gui {

class FileDialogs;
class MonitorListModel;
class QtPrompter;
class SerialWorker;

// The modal "I/O data monitoring" dialog. It owns the port, timer 1 and the
// widgets; what a record, a Send or a button does is the session's business,
// how a tick and a Send use the port is the monitor driver's. Send's waits
// run on the serial worker while the dialog keeps painting.
class CStakeout : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kTimerPeriodMs = monitor::kTickMs;

    // `portName` is the chosen port of the computer's list; nothing when the
    // list holds no port there. `clock` carries Send's waits, which run on
    // `worker` (nullptr: a worker of the dialog's own).
    CStakeout(PortOpener& opener, std::optional<std::string> portName, Clock& clock,
              FileDialogs& dialogs, QWidget* parent = nullptr, SerialWorker* worker = nullptr);
    ~CStakeout() override;

    // The opening: empty list, showing, not saving, the port at 115200 8N1
    // and timer 1 running. On failure the message is shown and false comes
    // back: the dialog closes before it was ever shown.
    bool openMonitor();
    // openMonitor(), then the modal loop.
    int exec() override;

    // Timer 1 and the buttons, public so that tests can drive them.
    void pollTick();
    void onSend();
    void onSaveContent();
    void onStopDisplaying();

    // Room for a panel beside the list (the diagnostics), and the driver it
    // watches.
    void addSidePanel(QWidget* panel);
    monitor::MonitorDriver& driver() { return driver_; }

    const monitor::MonitorSession& session() const { return session_; }
    bool portOpen() const { return port_ != nullptr; }
    QTimer* timer() const { return timer_; }
    QTableView* list() const { return list_; }
    MonitorListModel* listModel() const { return model_; }
    QLineEdit* addressEdit() const { return address_; }
    QLineEdit* dataEdit() const { return data_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* displayButton() const { return display_; }
    QPushButton* sendButton() const { return send_; }
    QPushButton* exitButton() const { return exit_; }

  public slots:
    void done(int result) override;

  private:
    void buildLayout();
    void apply(const monitor::MonitorStep& step);
    void refreshButtons();
    // A message box while the port keeps running: timer 1 waits for it, so
    // that records arriving meanwhile cannot stack boxes on each other.
    void inform(std::string_view text);
    void closeMonitor();

    PortOpener& opener_;
    std::optional<std::string> portName_;
    Clock& clock_;
    FileDialogs& dialogs_;
    std::unique_ptr<SerialWorker> ownWorker_;
    SerialWorker& worker_;
    std::unique_ptr<QtPrompter> prompter_;
    std::unique_ptr<SerialPort> port_;
    monitor::MonitorSession session_;
    monitor::MonitorDriver driver_;
    // Set when the dialog closed: nothing may start timer 1 again.
    bool closed_ = false;
    // While Send waits on the worker, closing is put off until it is done:
    // the worker is using the port.
    bool sending_ = false;
    std::optional<int> closeAfterSend_;

    QTimer* timer_ = nullptr;
    MonitorListModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QHBoxLayout* listRow_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* data_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* display_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* exit_ = nullptr;
};

} // namespace brenmoor::gui
