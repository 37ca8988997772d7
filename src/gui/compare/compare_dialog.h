#pragma once

#include "core/compare/config_diff.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QTableView;

namespace brenmoor::gui {

class DifferenceTableModel;

// The outcome of Compare with File and Compare with Gateway: every field in
// which this configuration and the other one differ, or one line saying
// that they are the same. Against a gateway it lists what the gateway would
// hold differently; "Show every field" adds the fields that are not sent or
// are sent as the same bytes. It only shows; nothing in the document changes.
class CompareDialog : public QDialog {
    Q_OBJECT

  public:
    // `otherName`: the file's name, or the gateway.
    CompareDialog(std::vector<ConfigDifference> differences, const QString& otherName,
                  bool againstGateway = false, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    DifferenceTableModel* model() const { return model_; }
    // Only against a gateway; null otherwise.
    QCheckBox* everyField() const { return everyField_; }

  private:
    void showRows();

    DifferenceTableModel* model_;
    QLabel* summary_;
    QTableView* table_;
    QCheckBox* everyField_ = nullptr;
};

} // namespace brenmoor::gui
