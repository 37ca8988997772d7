// The I/O monitor in the window: what a tick and a Send do to the list and
// the port, the two toggles, Save Content, the port's failures, and Tools
// "Monitor I/O Data" with and without confirmed serial settings.
#include "gui_test_support.h"
#include "serial_test_support.h"

#include "core/resources/messages_monitor.h"
#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/port_settings.h"
#include "fake_clock.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/monitor/cstakeout.h"
#include "gui/monitor/monitor_list_model.h"
#include "gui/serial/serial_link.h"
#include "scripted_port.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

using Bytes = std::vector<uint8_t>;

struct PortBench {
    FakeClock clock;
    ScriptedPort port{clock};
    PortOpenError error = PortOpenError::None;
    int opens = 0;
    std::string openedName;
    LineSettings openedLine;
    bool closed = false;
};

// What the dialog owns: closing it is seen by the bench, the bytes go to
// the scripted port.
class BenchPort : public SerialPort {
  public:
    explicit BenchPort(PortBench& bench) : bench_(bench) {}
    size_t queryStatus() override { return bench_.port.queryStatus(); }
    bool writeBytes(std::span<const uint8_t> bytes) override {
        return bench_.port.writeBytes(bytes);
    }
    size_t readBytes(std::span<uint8_t> buffer) override { return bench_.port.readBytes(buffer); }
    void closePort() override {
        bench_.closed = true;
        bench_.port.closePort();
    }
    bool isOpen() const override { return bench_.port.isOpen(); }

  private:
    PortBench& bench_;
};

class BenchOpener : public PortOpener {
  public:
    explicit BenchOpener(PortBench& bench) : bench_(bench) {}
    PortOpenResult open(const std::string& deviceName, const LineSettings& line) override {
        ++bench_.opens;
        bench_.openedName = deviceName;
        bench_.openedLine = line;
        if (bench_.error != PortOpenError::None)
            return {nullptr, bench_.error};
        return {std::make_unique<BenchPort>(bench_), PortOpenError::None};
    }

  private:
    PortBench& bench_;
};

class FixedLister : public PortLister {
  public:
    explicit FixedLister(ComPortNames names) : names_(std::move(names)) {}
    ComPortNames listPorts() override { return names_; }

  private:
    ComPortNames names_;
};

QString messageText(MessageId id) {
    return QString::fromStdString(std::string(loadString(id)));
}

QStringList rowTexts(const CStakeout& dialog, int row) {
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << dialog.listModel()->index(row, column).data().toString();
    return texts;
}

// Closes every modal dialog that opens while it lives, and counts them;
// unlike the pollers of gui_test_support.h it stops with the test.
class ModalCloser {
  public:
    ModalCloser() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                titles << modal->windowTitle();
                modal->close();
            }
        });
        timer_.start();
    }
    QStringList titles;

  private:
    QTimer timer_;
};

const Bytes kCorrectRecord = {0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C};

} // namespace

class MonitorTests : public QObject {
    Q_OBJECT

    std::unique_ptr<PortBench> bench_;
    std::unique_ptr<BenchOpener> opener_;
    std::unique_ptr<ScriptedFileDialogs> dialogs_;
    std::unique_ptr<CStakeout> dialog_;
    QTemporaryDir dir_;

    // A dialog over a scripted port that opened as it does on the desktop.
    CStakeout& openDialog() {
        dialog_ = std::make_unique<CStakeout>(*opener_, std::string("/dev/ttyMON0"), bench_->clock,
                                              *dialogs_);
        if (!dialog_->openMonitor())
            qFatal("the monitor did not open");
        return *dialog_;
    }

  private slots:
    void init() {
        bench_ = std::make_unique<PortBench>();
        opener_ = std::make_unique<BenchOpener>(*bench_);
        dialogs_ = std::make_unique<ScriptedFileDialogs>();
        dialog_.reset();
    }
    void cleanup() { dialog_.reset(); }

    void opensAt115200WithItsInitialTextsAndLayout() {
        CStakeout& dialog = openDialog();
        QCOMPARE(bench_->opens, 1);
        QCOMPARE(bench_->openedName, std::string("/dev/ttyMON0"));
        QVERIFY(bench_->openedLine == kMonitorLineSettings);
        QVERIFY(dialog.timer()->isActive());
        QCOMPARE(dialog.timer()->interval(), 200);

        QCOMPARE(dialog.windowTitle(), QStringLiteral("I/O data monitoring"));
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("4000"));
        QCOMPARE(dialog.dataEdit()->text(), QStringLiteral("00 01 02 03"));
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));
        QCOMPARE(dialog.displayButton()->text(), QStringLiteral("Stop Displaying"));
        QCOMPARE(dialog.sendButton()->text(), QStringLiteral("Send"));
        QCOMPARE(dialog.exitButton()->text(), QStringLiteral("Exit"));

        QTableView* list = dialog.list();
        const QStringList titles = {"State", "Slave Address", "Starting Address",
                                    "Data/Exception Code"};
        const int widths[] = {133, 103, 118, 367};
        QCOMPARE(list->model()->columnCount(), 4);
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
            QCOMPARE(list->columnWidth(column), widths[column]);
        }
        QVERIFY(list->showGrid());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->model()->rowCount(), 0);
        // The data column is not cut off by the list's own width.
        QVERIFY(list->minimumWidth() >= 133 + 103 + 118 + 367);
    }

    void tickListsTheRecordAndAnswersIt() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow(kCorrectRecord);
        dialog.pollTick();
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QCOMPARE(rowTexts(dialog, 0), (QStringList{"Correct response", "5", "16", "0a 0b 0c "}));
        for (int column = 0; column < 4; ++column)
            QCOMPARE(dialog.listModel()->index(0, column).data(Qt::TextAlignmentRole).toInt(),
                     int(Qt::AlignCenter));
        QCOMPARE(bench_->port.written(), (std::vector<Bytes>{{0x00}}));

        // Nothing waiting: nothing read, nothing answered.
        dialog.pollTick();
        QCOMPARE(bench_->port.written().size(), size_t(1));

        // An exception record shows the code's text.
        bench_->port.injectNow({0x01, 0x05, 0x00, 0x10, 0x01, 0x02});
        dialog.pollTick();
        QCOMPARE(rowTexts(dialog, 1),
                 (QStringList{"Abnormal response", "5", "16", "02 (Illegal Data Address)"}));
        QCOMPARE(bench_->port.written().size(), size_t(2));
    }

    void hiddenRecordIsAnsweredAndUnknownStateIsNot() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow({0xFF, 0x05, 0x00, 0x10, 0x01, 0x0A});
        dialog.pollTick();
        QCOMPARE(dialog.listModel()->rowCount(), 0);
        QCOMPARE(bench_->port.written(), (std::vector<Bytes>{{0x00}}));

        bench_->port.injectNow({0x07, 0x05, 0x00, 0x10, 0x01, 0x0A});
        dialog.pollTick();
        QCOMPARE(dialog.listModel()->rowCount(), 0);
        QCOMPARE(bench_->port.written().size(), size_t(1));
    }

    void readsAtMostOneRecordPerTick() {
        CStakeout& dialog = openDialog();
        Bytes flood(450, 0x00);
        bench_->port.injectNow(flood);
        dialog.pollTick();
        QCOMPARE(bench_->port.largestRead(), size_t(200));
    }

    void fullListIsEmptiedInTheView() {
        CStakeout& dialog = openDialog();
        for (int i = 0; i < 151; ++i) {
            bench_->port.injectNow(kCorrectRecord);
            dialog.pollTick();
        }
        QCOMPARE(dialog.listModel()->rowCount(), 151);
        bench_->port.injectNow({0x03, 0x09, 0x00, 0x20, 0x00});
        dialog.pollTick();
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QCOMPARE(rowTexts(dialog, 0),
                 (QStringList{"Response Timeout", "9", "32", "No response to the node"}));
        QCOMPARE(dialog.list()->model()->rowCount(), 1);
    }

    void sendAnswersTheNextRecordWithTheWriteRequest() {
        CStakeout& dialog = openDialog();
        // The record Send answers comes 450 ms after the tick's answer: Send
        // has to look for it more than once.
        bench_->port.injectNow(kCorrectRecord);
        bench_->port.expectReply(kCorrectRecord, 450);
        dialog.pollTick();
        dialog.onStopDisplaying(); // Send lists its row all the same
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        const int64_t sleptBefore = bench_->clock.totalSlept();

        dialog.addressEdit()->setText(QStringLiteral("4000"));
        dialog.dataEdit()->setText(QStringLiteral("00 01 02 03"));
        QTest::mouseClick(dialog.sendButton(), Qt::LeftButton);

        QCOMPARE(bench_->port.written().size(), size_t(2));
        QCOMPARE(bench_->port.written().back(),
                 (Bytes{0x01, 0x40, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
        // 100 ms first, then looks at 100, 300 and 500 ms.
        QCOMPARE(bench_->clock.totalSlept() - sleptBefore, int64_t(500));
        QCOMPARE(dialog.listModel()->rowCount(), 2);
        QCOMPARE(rowTexts(dialog, 1), rowTexts(dialog, 0));
        QVERIFY(dialog.timer()->isActive());
        QCOMPARE(dialog.timer()->interval(), 200);
        QVERIFY(dialog.sendButton()->isEnabled());
    }

    void sendInUpperCaseIsAccepted() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow(kCorrectRecord);
        dialog.addressEdit()->setText(QStringLiteral("406F"));
        dialog.dataEdit()->setText(QStringLiteral("FF"));
        dialog.onSend();
        QCOMPARE(bench_->port.written(), (std::vector<Bytes>{{0x01, 0x40, 0x6F, 0x01, 0xFF}}));
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("406F"));
    }

    void refusedSendShowsItsMessageAndWritesNothing() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow(kCorrectRecord);
        dialog.addressEdit()->setText(QStringLiteral("4070"));
        const auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.onSend();
        QVERIFY(seen->seen);
        QCOMPARE(seen->text, messageText(msg::MappingAddressOutOfRange));
        QVERIFY(bench_->port.written().empty());
        QCOMPARE(dialog.listModel()->rowCount(), 0);
        QVERIFY(dialog.timer()->isActive());
        QVERIFY(dialog.sendButton()->isEnabled());
        // The record is still there for the next tick.
        dialog.pollTick();
        QCOMPARE(bench_->port.written(), (std::vector<Bytes>{{0x00}}));
    }

    void sendWithoutARecordGivesUpAfterFiveLooks() {
        CStakeout& dialog = openDialog();
        const auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.onSend();
        QCOMPARE(seen->text, messageText(msg::ReadingSerialFailure));
        QCOMPARE(bench_->clock.totalSlept(), int64_t(100 + 4 * 200));
        QCOMPARE(bench_->port.queryCount(), size_t(5));
        QVERIFY(bench_->port.written().empty());
        QVERIFY(dialog.timer()->isActive());
    }

    void sendRefusesARecordOfUnknownState() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow({0x09, 0x05, 0x00, 0x10, 0x00});
        const auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.onSend();
        QCOMPARE(seen->text, messageText(msg::ReceivedDataMalformed));
        QVERIFY(bench_->port.written().empty());
    }

    // Send waits on the serial worker: the dialog's event loop runs on (it
    // paints, its timers fire) while Send looks for the record, and the
    // dialog cannot close under it.
    void sendKeepsTheDialogRunningWhileItWaits() {
        GatedClock clock;
        ScriptedPort port(clock);
        port.expectReply(kCorrectRecord, 250);
        class Opener : public PortOpener {
          public:
            explicit Opener(ScriptedPort& port) : port_(port) {}
            PortOpenResult open(const std::string&, const LineSettings&) override {
                return {std::make_unique<Forward>(port_), PortOpenError::None};
            }

          private:
            struct Forward : SerialPort {
                explicit Forward(ScriptedPort& port) : port(port) {}
                size_t queryStatus() override { return port.queryStatus(); }
                bool writeBytes(std::span<const uint8_t> bytes) override {
                    return port.writeBytes(bytes);
                }
                size_t readBytes(std::span<uint8_t> buffer) override {
                    return port.readBytes(buffer);
                }
                void closePort() override { port.closePort(); }
                bool isOpen() const override { return port.isOpen(); }
                ScriptedPort& port;
            };
            ScriptedPort& port_;
        } opener(port);
        CStakeout dialog(opener, std::string("/dev/ttyMON0"), clock, *dialogs_);
        QVERIFY(dialog.openMonitor());
        // A first write, so that the scripted record follows it.
        port.writeBytes(std::vector<uint8_t>{0x00});
        bool ranMeanwhile = false;
        bool openAfterExit = false;
        QTimer::singleShot(0, [&] {
            ranMeanwhile = true;
            // Exit while Send waits: the dialog closes once Send is done.
            dialog.exitButton()->click();
            openAfterExit = dialog.isVisible() && dialog.portOpen();
            clock.open();
        });
        dialog.show();
        dialog.onSend();
        QVERIFY(ranMeanwhile);
        QVERIFY(openAfterExit);
        QVERIFY(!clock.waitedInVain());
        QCOMPARE(port.written().back(), (Bytes{0x01, 0x40, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QVERIFY(!dialog.portOpen());
        QVERIFY(!dialog.timer()->isActive());
    }

    void stopDisplayingKeepsSavingAndContinueEmptiesTheList() {
        CStakeout& dialog = openDialog();
        bench_->port.injectNow(kCorrectRecord);
        dialog.pollTick();

        const QString path = dir_.filePath(QStringLiteral("records.txt"));
        dialogs_->monitorSaveAnswers << path;
        const auto question = answerNextModal(QStringLiteral("OK"));
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        QCOMPARE(question->text, messageText(msg::SaveToDiskQuestion));
        QCOMPARE(dialogs_->monitorSaveCalls, 1);
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Stop Saving"));

        QTest::mouseClick(dialog.displayButton(), Qt::LeftButton);
        QCOMPARE(dialog.displayButton()->text(), QStringLiteral("Continue to Display"));
        bench_->port.injectNow({0x03, 0x09, 0x00, 0x20, 0x00});
        dialog.pollTick();
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QCOMPARE(bench_->port.written().size(), size_t(2));

        QTest::mouseClick(dialog.displayButton(), Qt::LeftButton);
        QCOMPARE(dialog.displayButton()->text(), QStringLiteral("Stop Displaying"));
        QCOMPARE(dialog.listModel()->rowCount(), 0);

        // Stop Saving closes the file without a question.
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("State\t\tResponse Timeout\r\n"
                                            "Slave Address\t9\r\n"
                                            "Starting Address\t32\r\n"
                                            "Data/Exception Code\t\r\n"
                                            "\r\n"));
    }

    void saveContentCancelledAsksNoFile() {
        CStakeout& dialog = openDialog();
        const auto question = answerNextModal(QStringLiteral("Cancel"));
        dialog.onSaveContent();
        QVERIFY(question->seen);
        QCOMPARE(dialogs_->monitorSaveCalls, 0);
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));

        // OK, then the file dialog cancelled: still not saving.
        const auto again = answerNextModal(QStringLiteral("OK"));
        dialog.onSaveContent();
        QCOMPARE(dialogs_->monitorSaveCalls, 1);
        QVERIFY(!dialog.session().saving());
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));
    }

    void saveFileThatCannotBeOpenedIsNamed() {
        CStakeout& dialog = openDialog();
        const QString path = dir_.filePath(QStringLiteral("no/such/folder/records.txt"));
        dialogs_->monitorSaveAnswers << path;
        const auto seen = answerModals({QStringLiteral("OK"), QStringLiteral("OK")});
        dialog.onSaveContent();
        QVERIFY(seen[1]->seen);
        QVERIFY(seen[1]->text.contains(path));
        QVERIFY(!dialog.session().saving());
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));
        QVERIFY(dialog.timer()->isActive());
    }

    void saveFileThatFailsLaterStopsSavingAndSaysSo() {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full to fail the writes");
        CStakeout& dialog = openDialog();
        dialogs_->monitorSaveAnswers << QStringLiteral("/dev/full");
        answerNextModal(QStringLiteral("OK"));
        dialog.onSaveContent();
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Stop Saving"));

        bench_->port.injectNow(kCorrectRecord);
        const auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.pollTick();
        QVERIFY(seen->seen);
        QVERIFY(seen->text.contains(QStringLiteral("/dev/full")));
        // The record is still listed and answered, and the monitor runs on.
        QCOMPARE(dialog.listModel()->rowCount(), 1);
        QCOMPARE(bench_->port.written(), (std::vector<Bytes>{{0x00}}));
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save Content"));
        QVERIFY(dialog.timer()->isActive());
    }

    void closingClosesThePortAndTheFile() {
        CStakeout& dialog = openDialog();
        dialogs_->monitorSaveAnswers << dir_.filePath(QStringLiteral("closing.txt"));
        answerNextModal(QStringLiteral("OK"));
        dialog.onSaveContent();
        QVERIFY(dialog.session().saving());
        QTest::mouseClick(dialog.exitButton(), Qt::LeftButton);
        QVERIFY(bench_->closed);
        QVERIFY(!dialog.portOpen());
        QVERIFY(!dialog.session().saving());
        QVERIFY(!dialog.timer()->isActive());
    }

    void aPortWhoseDeviceWentAwayStopsTimerOne() {
        CStakeout& dialog = openDialog();
        // What the port does when its device hangs up: it closes itself.
        bench_->port.closePort();
        const auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.pollTick();
        QCOMPARE(seen->text, messageText(msg::OpenSerialPortFailed));
        QVERIFY(!dialog.timer()->isActive());
        QVERIFY(!dialog.portOpen());
    }

    void portFailuresCloseTheDialog_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("message");
        QTest::newRow("open") << int(PortOpenError::OpenFailed) << msg::OpenSerialPortFailed.value;
        QTest::newRow("read settings")
            << int(PortOpenError::ReadSettingsFailed) << msg::ErrorReadingPortParameters.value;
        QTest::newRow("write settings")
            << int(PortOpenError::WriteSettingsFailed) << msg::SerialSettingError.value;
    }
    void portFailuresCloseTheDialog() {
        QFETCH(int, error);
        QFETCH(int, message);
        bench_->error = static_cast<PortOpenError>(error);
        CStakeout dialog(*opener_, std::string("/dev/ttyMON0"), bench_->clock, *dialogs_);
        const auto seen = answerNextModal(QStringLiteral("OK"));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(seen->text, messageText(MessageId{message}));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.timer()->isActive());
    }

    void noPortInTheListTouchesNoDevice() {
        CStakeout dialog(*opener_, std::nullopt, bench_->clock, *dialogs_);
        const auto seen = answerNextModal(QStringLiteral("OK"));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(seen->text, messageText(msg::OpenSerialPortFailed));
        QCOMPARE(bench_->opens, 0);
    }

    void toolsCommandWaitsForConfirmedSettings() {
        CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
        frame.document().newDocument();
        frame.replaceSerialLink(
            std::make_unique<SerialLink>(std::make_unique<FixedLister>(ComPortNames{"/dev/ttyA"}),
                                         std::make_unique<BenchOpener>(*bench_)));
        frame.serialLink().enumeratePorts();
        QAction* action = frame.action(cmd::MonitorIoData);
        QVERIFY(action);
        // Enabled whatever the device flags say.
        frame.document().project().device.commonMode = true;
        frame.updateCommandUi();
        QVERIFY(action->isEnabled());
        {
            // Whatever asks for the settings is cancelled: no monitor.
            ModalCloser closer;
            action->trigger();
            QVERIFY(!closer.titles.contains(QStringLiteral("I/O data monitoring")));
        }
        QCOMPARE(bench_->opens, 0);
        QVERIFY(!frame.serialLink().settings().confirmed);
    }

    void toolsCommandOpensTheMonitorOnTheChosenPort() {
        CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
        frame.document().newDocument();
        frame.replaceSerialLink(std::make_unique<SerialLink>(
            std::make_unique<FixedLister>(ComPortNames{"/dev/ttyA", "/dev/ttyB"}),
            std::make_unique<BenchOpener>(*bench_)));
        SerialLink& link = frame.serialLink();
        link.enumeratePorts();
        link.settings().confirmed = true;
        link.settings().portIndex = -1; // counts as the first port

        QString title;
        const auto seen = onNextModal([&title](QWidget* modal) {
            if (qobject_cast<CStakeout*>(modal))
                title = modal->windowTitle();
            modal->close();
        });
        frame.action(cmd::MonitorIoData)->trigger();
        QCOMPARE(title, QStringLiteral("I/O data monitoring"));
        QCOMPARE(bench_->openedName, std::string("/dev/ttyA"));
        QVERIFY(bench_->openedLine == kMonitorLineSettings);
        QVERIFY(bench_->closed);
        QVERIFY(link.settings().confirmed);

        link.settings().portIndex = 1;
        const auto second = closeNextModal();
        frame.action(cmd::MonitorIoData)->trigger();
        QCOMPARE(bench_->openedName, std::string("/dev/ttyB"));
    }

    void toolsCommandWithoutPortsShowsTheMonitorsMessage() {
        CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
        frame.document().newDocument();
        frame.replaceSerialLink(std::make_unique<SerialLink>(
            std::make_unique<FixedLister>(ComPortNames{}), std::make_unique<BenchOpener>(*bench_)));
        frame.serialLink().settings().confirmed = true;
        const auto seen = answerNextModal(QStringLiteral("OK"));
        frame.action(cmd::MonitorIoData)->trigger();
        QCOMPARE(seen->text, messageText(msg::OpenSerialPortFailed));
        QCOMPARE(bench_->opens, 0);
        QVERIFY(frame.serialLink().settings().confirmed);
    }
};

QTEST_MAIN(MonitorTests)
#include "monitor_tests.moc"
