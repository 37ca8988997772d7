#pragma once

#include "core/compare/config_diff.h"
#include "core/editor/undo_history.h"
#include "core/mapping/mapping_state.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/qt_prompter.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QDockWidget;
class QLabel;
class QTabWidget;
class QTextBrowser;
class QTimer;
class QToolBar;

namespace brenmoor::gui {

class CDIns;
class CModbusConfigDoc;
class CModbusConfigView;
class InfoTextPanel;
class SerialLink;

// The main window: menus, toolbar, status bar, the bottom bar with its Info
// and News tabs, and the form view. It routes every command to the document,
// the view or the tool that carries it out.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    // `dialogs` replaces the real file dialogs (tests); nullptr for the real ones.
    explicit CMainFrame(std::unique_ptr<FileDialogs> dialogs = nullptr);
    ~CMainFrame() override;

    CModbusConfigDoc& document() { return *doc_; }
    CModbusConfigView& view() { return *view_; }
    InfoTextPanel& infoPanel() { return *info_; }
    QTextBrowser* newsBrowser() const { return news_; }
    QToolBar* toolBar() const { return toolBar_; }
    QDockWidget* bottomBar() const { return bottomBar_; }
    // The action of a command id, or nullptr.
    QAction* action(int id) const { return actions_.value(id); }
    // The open "Select Command" dialog, if any.
    CDIns* selectCommandDialog() const { return selectCommand_; }

    // Refreshes the enable state of every command.
    void updateCommandUi();
    // The internet-reachable mark, as last checked.
    int internetReachable() const { return internetReachable_; }
    // Runs the reachability check now.
    void checkReachability();

    MappingState& mappingState() { return mappingState_; }
    // The port list and serial settings of this run.
    SerialLink& serialLink() { return *serial_; }
    // Tests and --simulate put their own lister and opener in place.
    void replaceSerialLink(std::unique_ptr<SerialLink> link);

    // Called after every command that may have changed the configuration:
    // it becomes one step of Undo when it did. See main_frame_history.cpp.
    void checkpointHistory();
    const UndoHistory& history() const { return history_; }

    // How the comparisons show their outcome; tests look at it instead of a
    // modal dialog. Empty: the comparison dialog.
    using ComparisonShower =
        std::function<void(std::vector<ConfigDifference> differences, const QString& otherName)>;
    void setComparisonShower(ComparisonShower shower) { showComparison_ = std::move(shower); }

    // Edit "Add Command": the modal "Select Command" list.
    void onAddCommand();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* makeAction(int id, const QString& caption, void (CMainFrame::*slot)());
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createBottomBar();
    void setUpNews();

    void onFileNew();
    void onFileOpen();
    void onFileSave();
    void onFileSaveAs();
    void onAddNode();
    void onDeleteNode();
    void onDeleteCommand();
    void onCopyNode();
    void onPasteNode();
    void onUndo();
    void onRedo();
    // Starts the history again from the document as it is now.
    void resetHistory();
    void onCompareWithFile();
    void onCompareWithGateway();
    void showComparison(std::vector<ConfigDifference> differences, const QString& otherName,
                        bool againstGateway);
    void onHelpContent();
    void onAbout();

    // The tools: main_frame_tools.cpp (mapping), main_frame_serial.cpp,
    // main_frame_monitor.cpp and main_frame_export.cpp.
    void onSerialConnection();
    void onUpload();
    void onDownload();
    void onConflictDetection();
    void onAutoMapping();
    void onExportExcel();
    void onMonitorIoData();

    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<QtPrompter> prompter_;
    CModbusConfigDoc* doc_;
    InfoTextPanel* info_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTextBrowser* news_ = nullptr;
    QDockWidget* bottomBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    CModbusConfigView* view_ = nullptr;
    CDIns* selectCommand_ = nullptr;
    QHash<int, QAction*> actions_;
    QTimer* reachabilityTimer_ = nullptr;
    int internetReachable_ = 0;
    // What the mapping tools remember for the run.
    MappingState mappingState_;
    std::unique_ptr<SerialLink> serial_;
    UndoHistory history_;
    ComparisonShower showComparison_;
};

} // namespace brenmoor::gui
