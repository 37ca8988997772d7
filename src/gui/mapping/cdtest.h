#pragma once

#include "core/mapping/conflict_maps.h"
#include "core/mapping/mapping_state.h"
#include "core/model/project.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMouseEvent;
class QTableView;

namespace brenmoor::gui {

class CDBitShow;
class ConflictMapModel;

// The modal "Conflict Detection" dialog: the command list with its check
// boxes over the input and output maps, the bit popup on a held left button.
class CDTest : public QDialog {
    Q_OBJECT

  public:
    // Builds the maps from the project; clears and may set
    // state.mappingConflict. `state` must outlive the dialog.
    CDTest(const Project& project, MappingState& state, QWidget* parent = nullptr);
    ~CDTest() override;

    const ConflictMaps& maps() const { return maps_; }
    QListWidget* commandList() const { return list_; }
    QTableView* inputGrid() const { return inputGrid_; }
    QTableView* outputGrid() const { return outputGrid_; }
    ConflictMapModel* inputModel() const { return inputModel_; }
    ConflictMapModel* outputModel() const { return outputModel_; }
    // The bit popup; visible while the left button is held on a map.
    CDBitShow* bitPopup() const { return popup_; }
    bool rightButtonMark() const { return rightMark_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillCommandList(const Project& project);
    QTableView* makeGrid(ConflictMapModel* model);
    void itemChanged(QListWidgetItem* item);
    void mapPressed(QTableView* grid, QMouseEvent* event);
    void hidePopup();

    MappingState& state_;
    ConflictMaps maps_;
    // Check state of each row as last applied, to tell a check change from
    // any other change of an item.
    std::vector<bool> applied_;
    QListWidget* list_ = nullptr;
    ConflictMapModel* inputModel_ = nullptr;
    ConflictMapModel* outputModel_ = nullptr;
    QTableView* inputGrid_ = nullptr;
    QTableView* outputGrid_ = nullptr;
    CDBitShow* popup_ = nullptr;
    bool rightMark_ = false;
};

} // namespace brenmoor::gui
