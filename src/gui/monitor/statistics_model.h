#pragma once

#include "core/jobs/monitor_diagnostics.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <array>
#include <vector>

namespace brenmoor::gui {

// The statistics per slave and starting address as the panel's table shows
// them; the texts are the diagnostics' own. Rows only come at the end or go
// all at once (a reset), as in the monitor's list.
class StatisticsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // A failing command's row: a fixed light red with a fixed dark text, so
    // that it reads the same under a dark palette.
    static inline const QColor kFailingBackground{255, 214, 214};
    static inline const QColor kFailingText{0, 0, 0};

    explicit StatisticsModel(const monitor::MonitorDiagnostics& diagnostics,
                             QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Brings the view up to the statistics: new rows, changed cells.
    void sync();
    const monitor::CommandStatistics* entryAt(int row) const;

  private:
    void cacheTexts();

    const monitor::MonitorDiagnostics& diagnostics_;
    int shown_ = 0;
    // The rows' texts as of the last sync: a repaint asks for every cell,
    // and decoding the values once per sync is enough.
    std::vector<std::array<QString, monitor::MonitorDiagnostics::kStatisticsColumns>> texts_;
};

} // namespace brenmoor::gui
