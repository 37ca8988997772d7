#pragma once

#include "core/compare/config_diff.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace brenmoor::gui {

// The differences of two configurations as a read-only table: place,
// parameter, this configuration's value, the other's value, and a note on
// the fields that a download does not send or sends as the same bytes.
// Against a gateway only the fields it would hold differently are rows,
// unless every field is asked for.
class DifferenceTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Place, Parameter, ThisValue, OtherValue, Note, ColumnCount };

    DifferenceTableModel(std::vector<ConfigDifference> differences, QString otherName,
                         bool againstGateway = false, QObject* parent = nullptr);

    bool showsEveryField() const { return everyField_; }
    void setShowEveryField(bool every);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<ConfigDifference>& differences() const { return differences_; }

  private:
    const ConfigDifference& shown(int row) const;
    void chooseRows();

    std::vector<ConfigDifference> differences_;
    QString otherName_;
    bool againstGateway_;
    bool everyField_ = false;
    std::vector<size_t> rows_; // indexes into differences_
};

} // namespace brenmoor::gui
