// The monitor's diagnostics panel in the window: beside the list, fed by the
// same ticks, without touching what the list shows or the port is answered;
// the statistics table, the decode choice, Reset, Export log..., the plot,
// and the Tools command bringing it along.
#include "gui_test_support.h"

#include "core/model/project.h"
#include "fake_clock.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/monitor/cstakeout.h"
#include "gui/monitor/diagnostics_panel.h"
#include "gui/monitor/monitor_list_model.h"
#include "gui/monitor/statistics_model.h"
#include "gui/monitor/value_plot.h"
#include "gui/serial/serial_link.h"
#include "scripted_port.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

using Bytes = std::vector<uint8_t>;

// The dialog owns its port; the test keeps the scripted one it forwards to.
class ForwardingPort : public SerialPort {
  public:
    explicit ForwardingPort(ScriptedPort& port) : port_(port) {}
    size_t queryStatus() override { return port_.queryStatus(); }
    bool writeBytes(std::span<const uint8_t> bytes) override { return port_.writeBytes(bytes); }
    size_t readBytes(std::span<uint8_t> buffer) override { return port_.readBytes(buffer); }
    void closePort() override {}
    bool isOpen() const override { return port_.isOpen(); }

  private:
    ScriptedPort& port_;
};

class ForwardingOpener : public PortOpener {
  public:
    explicit ForwardingOpener(ScriptedPort& port) : port_(port) {}
    PortOpenResult open(const std::string&, const LineSettings&) override {
        return {std::make_unique<ForwardingPort>(port_), PortOpenError::None};
    }

  private:
    ScriptedPort& port_;
};

class FixedLister : public PortLister {
  public:
    ComPortNames listPorts() override { return {"/dev/ttyA"}; }
};

class ExportDialogs : public ScriptedFileDialogs {
  public:
    QStringList exportAnswers;
    QString logExportFileName(QWidget*) override {
        return exportAnswers.isEmpty() ? QString() : exportAnswers.takeFirst();
    }
};

// Node-5 reads two holding registers from 16.
ParameterStore plant() {
    ParameterStore store = makeNewProject().store;
    CONFIG& subnet = store.subnets[0];
    subnet.nodeCount = 1;
    subnet.nodes[0].address = "5";
    subnet.nodes[0].name = "Node-5";
    subnet.commandCount = 1;
    INSTRUCTION& command = subnet.commands[0];
    command.nodeNumber = 1;
    command.functionCode = "3";
    command.startAddress = "16";
    command.dataCount = "2";
    command.swapMode = "No Swap";
    return store;
}

const Bytes kRegisters{0x00, 0x05, 0x00, 0x10, 0x04, 0x00, 0x2a, 0x00, 0x2b};
const Bytes kException{0x01, 0x05, 0x00, 0x10, 0x01, 0x02};
const Bytes kUnknown{0x00, 0x09, 0x00, 0x00, 0x02, 0xff, 0xfe};

QStringList cells(const QAbstractItemModel* model, int row) {
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}

} // namespace

class MonitorDiagnosticsTests : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeClock> clock_;
    std::unique_ptr<ScriptedPort> port_;
    std::unique_ptr<ForwardingOpener> opener_;
    std::unique_ptr<ExportDialogs> dialogs_;
    std::unique_ptr<CStakeout> dialog_;
    DiagnosticsPanel* panel_ = nullptr;
    std::unique_ptr<QTemporaryDir> dir_;

    void open() {
        dialog_ =
            std::make_unique<CStakeout>(*opener_, std::string("/dev/ttyMON0"), *clock_, *dialogs_);
        panel_ = new DiagnosticsPanel(*dialog_, plant(), *clock_, *dialogs_,
                                      dir_->filePath(QStringLiteral("logs")).toStdString());
        QVERIFY(dialog_->openMonitor());
        dialog_->timer()->stop();
    }

    void tick(const Bytes& bytes) {
        clock_->advance(200);
        port_->injectNow(bytes);
        dialog_->pollTick();
    }

  private slots:
    void init() {
        clock_ = std::make_unique<FakeClock>();
        port_ = std::make_unique<ScriptedPort>(*clock_);
        opener_ = std::make_unique<ForwardingOpener>(*port_);
        dialogs_ = std::make_unique<ExportDialogs>();
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { dialog_.reset(); }

    void thePanelSitsBesideTheListWithNamedControls() {
        open();
        dialog_->resize(1300, 600);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        const QRect list = dialog_->list()->geometry();
        const QRect panel = panel_->geometry();
        QVERIFY(panel.left() >= list.right());
        QVERIFY(panel.top() < list.bottom() && list.top() < panel.bottom());

        QCOMPARE(panel_->tabs()->tabText(0), QStringLiteral("Statistics"));
        QCOMPARE(panel_->tabs()->tabText(1), QStringLiteral("Plot"));
        QCOMPARE(panel_->resetButton()->text(), QStringLiteral("Reset"));
        QCOMPARE(panel_->exportButton()->text(), QStringLiteral("Export log..."));
        QCOMPARE(panel_->decodeChoice()->accessibleName(), QStringLiteral("Decode as:"));
        QCOMPARE(panel_->statisticsTable()->accessibleName(), QStringLiteral("Statistics"));
        QCOMPARE(panel_->plot()->chartView()->accessibleName(), QStringLiteral("Plot"));
        QCOMPARE(panel_->plot()->windowChoice()->accessibleName(), QStringLiteral("Window:"));
        QCOMPARE(panel_->plot()->position()->accessibleName(), QStringLiteral("Position:"));
        QCOMPARE(panel_->plot()->commandList()->accessibleName(),
                 QStringLiteral("Commands to plot:"));
    }

    void recordsFillTheStatisticsAndLeaveTheListAlone() {
        open();
        tick(kRegisters);
        tick(kException);
        tick(kUnknown);
        tick({0xff, 0x05, 0x00, 0x10, 0x00});
        panel_->refresh();

        // The list and the answers are as without the panel.
        QCOMPARE(dialog_->listModel()->rowCount(), 3);
        QCOMPARE(port_->written(), (std::vector<Bytes>(4, Bytes{0x00})));

        const StatisticsModel* model = panel_->statisticsModel();
        QCOMPARE(model->rowCount(), 2);
        QStringList first = cells(model, 0);
        first[11] = QString(); // the time of day
        QCOMPARE(first, (QStringList{"5", "16", "Node-5 / Read Holding Registers (3)", "50.0 %",
                                     "42 43", "uint16", "1", "1", "02: 1", "0", "0", ""}));
        QCOMPARE(cells(model, 1)[2], QStringLiteral("not in the project"));
        // The failing command stands out in colours of its own, readable in
        // any palette; the other keeps the palette's.
        const QModelIndex failing = model->index(0, 2);
        QCOMPARE(failing.data(Qt::BackgroundRole).value<QColor>(),
                 StatisticsModel::kFailingBackground);
        QCOMPARE(failing.data(Qt::ForegroundRole).value<QColor>(), StatisticsModel::kFailingText);
        QVERIFY(!model->index(1, 2).data(Qt::BackgroundRole).isValid());
        QVERIFY(!model->index(1, 2).data(Qt::ForegroundRole).isValid());

        panel_->onReset();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(dialog_->listModel()->rowCount(), 3);
    }

    void theDecodeChoiceRereadsTheSelectedCommand() {
        open();
        tick(kRegisters);
        panel_->refresh();
        QVERIFY(!panel_->decodeChoice()->isEnabled());
        panel_->statisticsTable()->selectRow(0);
        QVERIFY(panel_->decodeChoice()->isEnabled());
        QCOMPARE(panel_->decodeChoice()->currentText(), QStringLiteral("uint16"));
        const int float32 = panel_->decodeChoice()->findText(QStringLiteral("uint32 CDAB"));
        QVERIFY(float32 >= 0);
        panel_->decodeChoice()->setCurrentIndex(float32);
        emit panel_->decodeChoice()->activated(float32);
        // 00 2a 00 2b with the low word first: 0x002b002a.
        QCOMPARE(panel_->statisticsModel()->index(0, 4).data().toString(),
                 QStringLiteral("2818090"));
        QCOMPARE(panel_->statisticsModel()->index(0, 5).data().toString(),
                 QStringLiteral("uint32 CDAB"));
    }

    void theLogIsNamedAndExported() {
        open();
        QVERIFY(panel_->logLabel()->text().startsWith(
            QStringLiteral("Log: ") + dir_->filePath(QStringLiteral("logs/session-"))));
        tick(kRegisters);
        tick(kUnknown);
        const QString exported = dir_->filePath(QStringLiteral("export.csv"));
        dialogs_->exportAnswers << exported;
        panel_->exportButton()->click();
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // header, two records, the end
        QVERIFY(lines[1].contains(",00 05 00 10 04 00 2a 00 2b,"));
        QVERIFY(lines[2].contains(",00 09 00 00 02 ff fe,"));

        // A cancelled dialog writes nothing.
        QVERIFY(QFile::remove(exported));
        panel_->exportButton()->click();
        QVERIFY(!QFile::exists(exported));
    }

    void thePlotDrawsTheTickedCommandsValues() {
        open();
        for (int i = 0; i < 5; ++i)
            tick({0x00, 0x05, 0x00, 0x10, 0x04, 0x00, static_cast<uint8_t>(i), 0x00, 0x07});
        tick(kUnknown);
        panel_->tabs()->setCurrentIndex(1);
        ValuePlot* plot = panel_->plot();
        plot->refresh();
        QCOMPARE(plot->commandList()->count(), 2);
        QVERIFY(plot->lines().empty());
        plot->commandList()->item(0)->setCheckState(Qt::Checked);
        const auto lines = plot->lines();
        QCOMPARE(lines.size(), size_t(1)); // the first register
        QLineSeries* line = lines.at(QStringLiteral("5:16"));
        QCOMPARE(line->count(), 5);
        QCOMPARE(line->at(4).y(), 4.0);
        plot->commandList()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(plot->lines().empty());
    }

    void theToolsCommandBringsThePanel() {
        qputenv("XDG_STATE_HOME", dir_->path().toLocal8Bit());
        CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
        frame.document().newDocument();
        frame.replaceSerialLink(std::make_unique<SerialLink>(
            std::make_unique<FixedLister>(), std::make_unique<ForwardingOpener>(*port_)));
        frame.serialLink().enumeratePorts();
        frame.serialLink().settings().confirmed = true;
        bool found = false;
        QString logText;
        const auto seen = onNextModal([&](QWidget* modal) {
            if (auto* panel = modal->findChild<DiagnosticsPanel*>()) {
                found = true;
                logText = panel->logLabel()->text();
            }
            modal->close();
        });
        frame.action(cmd::MonitorIoData)->trigger();
        QVERIFY(found);
        QVERIFY(logText.startsWith(QStringLiteral("Log: ") + dir_->path() +
                                   QStringLiteral("/brenmoor/monitor/session-")));
    }
};

QTEST_MAIN(MonitorDiagnosticsTests)
#include "monitor_diagnostics_tests.moc"
