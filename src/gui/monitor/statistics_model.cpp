#include "gui/monitor/statistics_model.h"

#include "core/resources/messages_monitor_diagnostics.h"
#include "gui/app/gui_text.h"

#include <iterator>

namespace brenmoor::gui {

namespace {
constexpr MessageId kColumnTitles[] = {
    msg::StatsColumnSlave,    msg::StatsColumnStart,     msg::StatsColumnCommand,
    msg::StatsColumnFailures, msg::StatsColumnLastValue, msg::StatsColumnType,
    msg::StatsColumnCorrect,  msg::StatsColumnAbnormal,  msg::StatsColumnExceptions,
    msg::StatsColumnErrors,   msg::StatsColumnTimeouts,  msg::StatsColumnLastSeen};
static_assert(std::size(kColumnTitles) == monitor::MonitorDiagnostics::kStatisticsColumns);

// Counts and shares read best aligned right.
constexpr bool kNumberColumn[] = {true, true, false, true, false, false,
                                  true, true, false, true, true,  false};
} // namespace

StatisticsModel::StatisticsModel(const monitor::MonitorDiagnostics& diagnostics, QObject* parent)
    : QAbstractTableModel(parent), diagnostics_(diagnostics),
      shown_(static_cast<int>(diagnostics.statistics().entries().size())) {
    cacheTexts();
}

void StatisticsModel::cacheTexts() {
    const auto& entries = diagnostics_.statistics().entries();
    texts_.resize(entries.size());
    for (size_t row = 0; row < entries.size(); ++row) {
        const auto cells = diagnostics_.statisticsCells(entries[row]);
        for (size_t column = 0; column < cells.size(); ++column)
            texts_[row][column] = qtext(cells[column]);
    }
}

int StatisticsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int StatisticsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumnTitles));
}

const monitor::CommandStatistics* StatisticsModel::entryAt(int row) const {
    const auto& entries = diagnostics_.statistics().entries();
    if (row < 0 || row >= shown_ || static_cast<size_t>(row) >= entries.size())
        return nullptr;
    return &entries[static_cast<size_t>(row)];
}

QVariant StatisticsModel::data(const QModelIndex& index, int role) const {
    const monitor::CommandStatistics* entry = index.isValid() ? entryAt(index.row()) : nullptr;
    if (!entry || static_cast<size_t>(index.row()) >= texts_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // a long name or value the column cuts
        return texts_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(
            (kNumberColumn[index.column()] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        return entry->failing() ? QVariant(kFailingBackground) : QVariant();
    case Qt::ForegroundRole:
        return entry->failing() ? QVariant(kFailingText) : QVariant();
    default:
        return {};
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(std::size(kColumnTitles)) || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return qtext(kColumnTitles[section]);
}

void StatisticsModel::sync() {
    const int now = static_cast<int>(diagnostics_.statistics().entries().size());
    cacheTexts();
    if (now < shown_) {
        beginResetModel();
        shown_ = now;
        endResetModel();
        return;
    }
    if (shown_ > 0)
        emit dataChanged(index(0, 0), index(shown_ - 1, columnCount() - 1));
    if (now > shown_) {
        beginInsertRows({}, shown_, now - 1);
        shown_ = now;
        endInsertRows();
    }
}

} // namespace brenmoor::gui
