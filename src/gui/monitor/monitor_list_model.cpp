#include "gui/monitor/monitor_list_model.h"

#include "core/resources/messages_monitor.h"
#include "gui/app/gui_text.h"

namespace brenmoor::gui {

namespace {
constexpr MessageId kColumnTitles[] = {msg::ColumnState, msg::ColumnSlaveAddress,
                                       msg::ColumnStartingAddress, msg::ColumnData};
} // namespace

MonitorListModel::MonitorListModel(const monitor::MonitorList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), shown_(static_cast<int>(list.size())) {}

int MonitorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int MonitorListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumnTitles));
}

QVariant MonitorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_ ||
        static_cast<size_t>(index.row()) >= list_.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    const monitor::MonitorRow& row = list_.rows()[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return qtext(row.state);
    case 1:
        return qtext(row.slaveAddress);
    case 2:
        return qtext(row.startingAddress);
    case 3:
        return qtext(row.data);
    default:
        return {};
    }
}

QVariant MonitorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(std::size(kColumnTitles)))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role == Qt::DisplayRole)
        return qtext(kColumnTitles[section]);
    return {};
}

void MonitorListModel::sync(bool emptied) {
    const int now = static_cast<int>(list_.size());
    if (emptied || now < shown_) {
        beginResetModel();
        shown_ = now;
        endResetModel();
        return;
    }
    if (now > shown_) {
        beginInsertRows({}, shown_, now - 1);
        shown_ = now;
        endInsertRows();
    }
}

} // namespace brenmoor::gui
