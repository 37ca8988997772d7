#pragma once

#include "core/jobs/monitor_diagnostics.h"
#include "core/model/parameter_store.h"
#include "core/serial/clock.h"

#include <QWidget>

#include <filesystem>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace brenmoor::gui {

class CStakeout;
class FileDialogs;
class StatisticsModel;
class ValuePlot;

// The monitor's diagnostics beside its list: the "Statistics" of every
// command with its decoded last value and the choice of how to decode it,
// the plot, the session log's path and "Export log...". It watches the
// dialog's driver and never changes what the dialog lists or answers.
class DiagnosticsPanel : public QWidget {
    Q_OBJECT

  public:
    // How often the panel catches up with the records while the monitor runs.
    static constexpr int kRefreshMs = 250;

    // Adds itself beside the dialog's list. The session log goes to a new
    // file in `logFolder` (nothing: no log).
    DiagnosticsPanel(CStakeout& dialog, const ParameterStore& project, Clock& clock,
                     FileDialogs& dialogs, std::optional<std::filesystem::path> logFolder);

    const monitor::MonitorDiagnostics& diagnostics() const { return diagnostics_; }
    // Catches up now (the timer does so while records come).
    void refresh();
    void onExportLog();
    void onReset();

    QTabWidget* tabs() const { return tabs_; }
    QTableView* statisticsTable() const { return table_; }
    StatisticsModel* statisticsModel() const { return model_; }
    QComboBox* decodeChoice() const { return decode_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* exportButton() const { return export_; }
    QLabel* logLabel() const { return logLabel_; }
    ValuePlot* plot() const { return plot_; }

  private:
    void showSelectedFormat();
    void chooseFormat(int index);
    void showLogState();
    const monitor::CommandStatistics* selectedEntry() const;

    monitor::MonitorDiagnostics diagnostics_;
    FileDialogs& dialogs_;
    bool dirty_ = false;
    QTimer* timer_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    StatisticsModel* model_ = nullptr;
    QComboBox* decode_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* export_ = nullptr;
    QLabel* logLabel_ = nullptr;
    ValuePlot* plot_ = nullptr;
};

} // namespace brenmoor::gui
