#pragma once

#include "core/compare/config_diff.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTableView;

namespace brenmoor::gui {

class DifferenceTableModel;

// The outcome of Compare with File and Compare with Gateway: every field in
// which this configuration and the other one differ, or one line saying
// that they are the same. It only shows; nothing in the document changes.
class CompareDialog : public QDialog {
    Q_OBJECT

  public:
    // `otherName`: the file's name, or the gateway.
    CompareDialog(std::vector<ConfigDifference> differences, const QString& otherName,
                  QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    DifferenceTableModel* model() const { return model_; }

  private:
    DifferenceTableModel* model_;
    QLabel* summary_;
    QTableView* table_;
};

} // namespace brenmoor::gui
