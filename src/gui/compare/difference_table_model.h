#pragma once

#include "core/compare/config_diff.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace brenmoor::gui {

// The differences of two configurations as a read-only table: place,
// parameter, this configuration's value, the other's value, and a note on
// the fields that a download does not send.
class DifferenceTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Place, Parameter, ThisValue, OtherValue, Note, ColumnCount };

    DifferenceTableModel(std::vector<ConfigDifference> differences, QString otherName,
                         QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<ConfigDifference>& differences() const { return differences_; }

  private:
    std::vector<ConfigDifference> differences_;
    QString otherName_;
};

} // namespace brenmoor::gui
