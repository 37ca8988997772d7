#include "gui/compare/difference_table_model.h"

#include "core/resources/messages_history.h"
#include "gui/app/gui_text.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace brenmoor::gui {

DifferenceTableModel::DifferenceTableModel(std::vector<ConfigDifference> differences,
                                           QString otherName, bool againstGateway, QObject* parent)
    : QAbstractTableModel(parent), differences_(std::move(differences)),
      otherName_(std::move(otherName)), againstGateway_(againstGateway) {
    chooseRows();
}

void DifferenceTableModel::chooseRows() {
    rows_.clear();
    for (size_t i = 0; i < differences_.size(); ++i)
        if (!againstGateway_ || everyField_ || differences_[i].differsInGateway())
            rows_.push_back(i);
}

void DifferenceTableModel::setShowEveryField(bool every) {
    if (every == everyField_)
        return;
    beginResetModel();
    everyField_ = every;
    chooseRows();
    endResetModel();
}

const ConfigDifference& DifferenceTableModel::shown(int row) const {
    return differences_[rows_[static_cast<size_t>(row)]];
}

int DifferenceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DifferenceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DifferenceTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ConfigDifference& difference = shown(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case Place:
            return qtext(difference.place);
        case Parameter:
            return qtext(difference.label);
        case ThisValue:
            return qtext(difference.left);
        case OtherValue:
            return qtext(difference.right);
        case Note:
            if (!difference.travels)
                return qtext(msg::CompareNoteNotSent);
            return difference.sameBytes ? qtext(msg::CompareNoteSameBytes) : QString();
        default:
            return {};
        }
    }
    // What a download does not send, or sends as the same bytes, cannot
    // disturb the gateway: it is shown, but quieter than the rest.
    // The palette's quiet text reads on a dark theme as on a light one.
    if (role == Qt::ForegroundRole && !difference.differsInGateway())
        return QBrush(QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
    return {};
}

QVariant DifferenceTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Place:
        return qtext(msg::CompareColumnPlace);
    case Parameter:
        return qtext(msg::CompareColumnParameter);
    case ThisValue:
        return qtext(msg::CompareColumnThis);
    case OtherValue:
        return otherName_;
    case Note:
        return qtext(msg::CompareColumnNote);
    default:
        return {};
    }
}

} // namespace brenmoor::gui
