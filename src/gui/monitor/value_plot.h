#pragma once

#include "core/jobs/monitor_diagnostics.h"

#include <QWidget>

#include <map>
#include <utility>

class QComboBox;
class QListWidget;
class QScrollBar;

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace brenmoor::gui {

// The values of the commands the user ticks, over the session's time: the
// first value of each correct response (as the statistics decode it), one
// line per command, in a window of time that scrolls back through the
// session and follows the newest records while it is at the end.
class ValuePlot : public QWidget {
    Q_OBJECT

  public:
    // Values drawn per command (more lines crowd a plot beside the list out
    // of legibility), and points per line (a long window is thinned out).
    static constexpr size_t kValuesPerCommand = 1;
    static constexpr int kMaxPoints = 2000;

    explicit ValuePlot(const monitor::MonitorDiagnostics& diagnostics, QWidget* parent = nullptr);

    // Brings the command list and the lines up to the diagnostics.
    void refresh();

    QListWidget* commandList() const { return commands_; }
    QComboBox* windowChoice() const { return window_; }
    QScrollBar* position() const { return position_; }
    QChartView* chartView() const { return view_; }
    // The lines drawn, by name ("5:16": slave and start).
    std::map<QString, QLineSeries*> lines() const;

  private:
    void syncCommands();
    void redraw();
    int64_t windowMs() const;

    const monitor::MonitorDiagnostics& diagnostics_;
    QListWidget* commands_ = nullptr;
    QComboBox* window_ = nullptr;
    QScrollBar* position_ = nullptr;
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    // One line per ticked command and value, keyed by slave and start.
    std::map<std::pair<uint32_t, size_t>, QLineSeries*> series_;
    bool following_ = true;
};

} // namespace brenmoor::gui
