#pragma once

#include <QDialog>

class QListWidget;

namespace brenmoor::gui {

// "Select Command": each double-click on an entry adds that command to the
// node selected in the tree; the dialog stays open for the next one and is
// closed with its close box. Enter on an entry adds it as a double-click
// does.
class CDIns : public QDialog {
    Q_OBJECT

  public:
    explicit CDIns(QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // List position of the double-clicked entry, -1 when none is selected.
    void commandChosen(int position);

  private:
    QListWidget* list_;
};

} // namespace brenmoor::gui
