#pragma once

#include "core/monitor/monitor_list.h"

#include <QAbstractTableModel>

namespace brenmoor::gui {

// The monitor's list as the table shows it: four centred columns over the
// session's rows. The session changes its list first and the model is told
// afterwards; since the list only grows at its end or empties, the count
// the view last saw is all the model needs to tell the view what happened.
class MonitorListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit MonitorListModel(const monitor::MonitorList& list, QObject* parent = nullptr);

    // Column widths in pixels, in column order.
    static constexpr int kColumnWidths[4] = {133, 103, 118, 367};

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Brings the view up to the list. `emptied`: the list was emptied since
    // the last call, even if rows came after that.
    void sync(bool emptied = false);

  private:
    const monitor::MonitorList& list_;
    int shown_ = 0;
};

} // namespace brenmoor::gui
