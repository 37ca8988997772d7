#pragma once

#include "core/editor/configuration_editor.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;

namespace brenmoor::gui {

class ConfigurationTreeWidget;
class InPlaceList;
class PropertyGrid;

// The form view: the configuration tree on the left, the property grid on
// the right and the two in-place editors over the grid. Every rule lives in
// the ConfigurationEditor; the view shows its tree and pages and forwards
// what the user does.
class CModbusConfigView : public QWidget {
    Q_OBJECT

  public:
    CModbusConfigView(Project& project, Prompter& prompter, InfoPanel& info,
                      QWidget* parent = nullptr);
    ~CModbusConfigView() override;

    ConfigurationEditor& editor() { return *editor_; }
    ConfigurationTreeWidget* treeWidget() const { return tree_; }
    PropertyGrid* grid() const { return grid_; }
    QComboBox* listEditor() const;
    QLineEdit* editBox() const { return edit_; }

    // Document lifecycle, forwarded to the editor.
    void newDocument();
    void documentOpened();
    void storeReplaced();

    // Structure commands of the Edit menu and the right-click menu.
    void addNode();
    void deleteNode(MenuVariant variant);
    void deleteCommand(MenuVariant variant);
    void copyNode();
    void pasteNode();
    // A double-click in "Select Command".
    void addCommandFromList(int position);

    // The right-click menu as last built, for whoever wants to look at it.
    QMenu* contextMenu() const { return contextMenu_; }
    // Builds the right-click menu for an item without showing it; nullptr
    // when the item shows no menu.
    QMenu* prepareContextMenu(ItemId item);

    // Commits an open edit box. Menus, shortcuts and toolbar buttons do not
    // take the focus from it, so every command calls this first: a typed
    // value must not be left out of a save.
    void commitPendingEdit() { commitEditBox(); }

    // Selects an item as a click in the tree would.
    void selectItem(ItemId item);

    // The cell rectangle an editor is placed in, inside the view, cut at the
    // right edge of the visible cells.
    QRect cellRect(int row, int col) const;

    // The divider between the tree and the grid; dragging it widens the tree.
    QSplitter* splitter() const { return splitter_; }

  signals:
    // Something the menus' enable states or the marks depend on changed.
    void stateChanged();
    // The right-click menu's "Add Command": the main window opens the list.
    void addCommandRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onTreeSelected(ItemId item);
    void onTreeRightClicked(ItemId item, const QPoint& globalPos);
    void onGridClicked();
    void onGridScrolled();
    void openList(const EditorRequest& request);
    void openEditBox(const EditorRequest& request);
    void commitEditBox();
    void cancelEditBox();
    void commitList(int index);
    void hideList();
    void listClosed();
    // Puts the keyboard back on the cell that was being edited: a closing
    // editor would otherwise hand the focus to whatever comes next, and a
    // key meant for the grid would land on a command.
    void focusEditedCell();
    void layoutChildren();
    QWidget* pane(QLabel* caption, QWidget* body);

    QLabel* deviceCaption_;
    QLabel* configCaption_;
    PropertyGrid* grid_;
    std::unique_ptr<ConfigurationEditor> editor_;
    ConfigurationTreeWidget* tree_;
    InPlaceList* list_;
    QLineEdit* edit_;
    QSplitter* splitter_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    // Hiding an editor or a modal question moves the focus away from it;
    // that focus loss is not the user's.
    bool committing_ = false;
};

} // namespace brenmoor::gui
