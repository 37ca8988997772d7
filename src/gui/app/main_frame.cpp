#include "gui/app/main_frame.h"

#include "core/jobs/tool_availability.h"
#include "core/resources/messages_desktop.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_history.h"
#include "gui/app/about_dialog.h"
#include "gui/app/command_ids.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/help_window.h"
#include "gui/app/keyboard_indicators.h"
#include "gui/app/menu_action.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/app/program_files.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/reachability.h"
#include "gui/app/toolbar_fit.h"
#include "gui/app/toolbar_icons.h"
#include "gui/app/window_placement.h"
#include "gui/editor/cdins.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/info_text_panel.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/editor/property_grid.h"
#include "gui/report/document_commands.h"
#include "gui/serial/serial_link.h"
#include "port/system_ports.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <array>
#include <vector>

// The resources are built into the static library: registering them needs a
// call from outside any namespace.
static void registerBuiltInResources() {
    Q_INIT_RESOURCE(brenmoor);
}

namespace brenmoor::gui {

namespace {
constexpr QSize kWindowSize(1440, 778);
constexpr QSize kMinimumSize(906, 680);
constexpr QSize kButtonSize(80, 55);
constexpr int kReachabilityPeriodMs = 10000;
constexpr int kBottomBarHeight = 240;
} // namespace

CMainFrame::CMainFrame(std::unique_ptr<FileDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtFileDialogs>()),
      prompter_(std::make_unique<QtPrompter>(this)),
      doc_(new CModbusConfigDoc(*prompter_, *dialogs_, this)),
      serial_(std::make_unique<SerialLink>(port::makeSystemPortLister(),
                                           port::makeSystemPortOpener())) {
    registerBuiltInResources();
    setWindowIcon(programIcon());
    setWindowTitle(qtext(msg::AppTitle));
    doc_->setWindow(this);

    createBottomBar();
    view_ = new CModbusConfigView(doc_->project(), *prompter_, *info_, this);
    view_->setObjectName(QStringLiteral("formView"));
    setCentralWidget(view_);
    doc_->setView(view_);
    createMenus();
    createToolBar();
    createStatusBar();

    connect(view_, &CModbusConfigView::stateChanged, this, &CMainFrame::updateCommandUi);
    // Every change of the configuration in the view (committed values, the
    // structure commands, paste, New and Open) ends in stateChanged.
    connect(view_, &CModbusConfigView::stateChanged, this, &CMainFrame::checkpointHistory);
    connect(view_, &CModbusConfigView::addCommandRequested, this, &CMainFrame::onAddCommand);
    connect(doc_, &CModbusConfigDoc::titleChanged, this, &QWidget::setWindowTitle);
    connect(doc_, &CModbusConfigDoc::emptyDocumentShown, this,
            [this] { serial_->enumeratePorts(); });

    // Centred at its size where the screen has room for it; a smaller
    // screen's available area otherwise.
    fitToScreen(this, kWindowSize, kMinimumSize);
    // A shorter window gives the bottom bar its share, not all the room the
    // tree and the grid would have had.
    if (height() < kWindowSize.height())
        resizeDocks({bottomBar_}, {kBottomBarHeight * height() / kWindowSize.height()},
                    Qt::Vertical);
    // The keyboard starts on the tree; Tab goes on to the grid and the Info
    // text.
    view_->treeWidget()->setFocus();
    setTabOrder(view_->grid(), info_);

    // Asked of the operating system only: this program sends nothing.
    internetReachable_ = 0;
    reachabilityTimer_ = new QTimer(this);
    reachabilityTimer_->setInterval(kReachabilityPeriodMs);
    connect(reachabilityTimer_, &QTimer::timeout, this, &CMainFrame::checkReachability);
    reachabilityTimer_->start();
    QTimer::singleShot(0, this, &CMainFrame::checkReachability);
}

CMainFrame::~CMainFrame() {
    // Whatever the view still reports while the window is taken apart has
    // no window to reach.
    disconnect(view_, nullptr, this, nullptr);
}

QAction* CMainFrame::makeAction(int id, const QString& caption, void (CMainFrame::*slot)()) {
    QAction* action = menuAction(caption, this, *view_);
    action->setData(id);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    actions_.insert(id, action);
    return action;
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(qtext(msg::MenuFile));
    file->addAction(makeAction(cmd::FileNew, qtext(msg::MenuNew), &CMainFrame::onFileNew));
    file->addAction(makeAction(cmd::FileOpen, qtext(msg::MenuOpen), &CMainFrame::onFileOpen));
    file->addAction(makeAction(cmd::FileSave, qtext(msg::MenuSave), &CMainFrame::onFileSave));
    file->addAction(makeAction(cmd::FileSaveAs, qtext(msg::MenuSaveAs), &CMainFrame::onFileSaveAs));
    file->addSeparator();
    file->addAction(makeAction(cmd::CompareWithFile, qtext(msg::MenuCompareWithFile),
                               &CMainFrame::onCompareWithFile));
    file->addSeparator();
    addDocumentCommands(*this, *file);
    file->addSeparator();
    file->addAction(makeAction(cmd::AppExit, qtext(msg::MenuExit), nullptr));
    connect(action(cmd::AppExit), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(qtext(msg::MenuEdit));
    edit->addAction(makeAction(cmd::EditUndo, qtext(msg::MenuUndo), &CMainFrame::onUndo));
    edit->addAction(makeAction(cmd::EditRedo, qtext(msg::MenuRedo), &CMainFrame::onRedo));
    action(cmd::EditRedo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    edit->addAction(makeAction(cmd::AddNode, qtext(msg::MenuAddNode), &CMainFrame::onAddNode));
    edit->addAction(
        makeAction(cmd::DeleteNode, qtext(msg::MenuDeleteNode), &CMainFrame::onDeleteNode));
    edit->addAction(
        makeAction(cmd::AddCommand, qtext(msg::MenuAddCommand), &CMainFrame::onAddCommand));
    edit->addAction(makeAction(cmd::DeleteCommand, qtext(msg::MenuDeleteCommand),
                               &CMainFrame::onDeleteCommand));
    edit->addSeparator();
    edit->addAction(makeAction(cmd::CopyNode, qtext(msg::MenuCopyNode), &CMainFrame::onCopyNode));
    edit->addAction(
        makeAction(cmd::PasteNode, qtext(msg::MenuPasteNode), &CMainFrame::onPasteNode));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);

    QMenu* tools = menuBar()->addMenu(qtext(msg::MenuTools));
    tools->addAction(makeAction(cmd::SerialConnection, qtext(msg::MenuSerialConnection),
                                &CMainFrame::onSerialConnection));
    tools->addAction(makeAction(cmd::Upload, qtext(msg::MenuUpload), &CMainFrame::onUpload));
    tools->addAction(makeAction(cmd::Download, qtext(msg::MenuDownload), &CMainFrame::onDownload));
    tools->addAction(makeAction(cmd::CompareWithGateway, qtext(msg::MenuCompareWithGateway),
                                &CMainFrame::onCompareWithGateway));
    tools->addAction(makeAction(cmd::ConflictDetection, qtext(msg::MenuConflictDetection),
                                &CMainFrame::onConflictDetection));
    tools->addAction(
        makeAction(cmd::AutoMapping, qtext(msg::MenuAutoMapping), &CMainFrame::onAutoMapping));
    tools->addAction(
        makeAction(cmd::ExportExcel, qtext(msg::MenuExportExcel), &CMainFrame::onExportExcel));
    tools->addAction(makeAction(cmd::MonitorIoData, qtext(msg::MenuMonitorIoData),
                                &CMainFrame::onMonitorIoData));
    connect(tools, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);

    QMenu* help = menuBar()->addMenu(qtext(msg::MenuHelp));
    help->addAction(
        makeAction(cmd::HelpContent, qtext(msg::MenuContent), &CMainFrame::onHelpContent));
    help->addAction(makeAction(cmd::AppAbout, qtext(msg::MenuAbout), &CMainFrame::onAbout));
}

void CMainFrame::createToolBar() {
    struct Button {
        MessageId caption;
        int command;
        MessageId tooltip;
    };
    static constexpr Button kButtons[] = {
        {msg::ToolNew, cmd::FileNew, msg::ToolNew},
        {msg::ToolSave, cmd::FileSave, msg::ToolSave},
        {msg::ToolOpen, cmd::FileOpen, msg::ToolOpen},
        {msg::ToolAddNode, cmd::AddNode, msg::TreeAddNode},
        {msg::ToolDelNode, cmd::DeleteNode, msg::TreeDeleteNode},
        {msg::ToolAddCmd, cmd::AddCommand, msg::TreeAddCommand},
        {msg::ToolDelCmd, cmd::DeleteCommand, msg::TreeDeleteCommand},
        {msg::ToolUpload, cmd::Upload, msg::MenuUpload},
        {msg::ToolDownload, cmd::Download, msg::MenuDownload},
        {msg::ToolAutoMap, cmd::AutoMapping, msg::MenuAutoMapping},
        {msg::ToolConflict, cmd::ConflictDetection, msg::ToolTipConflictDetect},
        {msg::ToolExport, cmd::ExportExcel, msg::MenuExportExcel},
        {msg::ToolDebug, cmd::MonitorIoData, msg::MenuMonitorIoData},
    };
    std::vector<QToolButton*> tools;
    toolBar_ = addToolBar(qtext(msg::AppTitle));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar_->setMovable(false);
    int index = 0;
    for (const Button& button : kButtons) {
        // The toolbar button shares the menu command (and its enable state)
        // but shows its own caption and image.
        QAction* command = action(button.command);
        auto* tool = new QToolButton(toolBar_);
        tool->setText(qtext(button.caption));
        tool->setIcon(toolbarIcon(index++));
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setIconSize(QSize(32, 32));
        tool->setFixedSize(kButtonSize);
        tool->setAutoRaise(true);
        // A click must leave the keyboard where it was (an edit in the grid),
        // and no key may run a command by landing on its button.
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setProperty("commandId", button.command);
        tool->setToolTip(qtext(button.tooltip));
        tool->setEnabled(command->isEnabled());
        connect(tool, &QToolButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, tool, &QToolButton::setEnabled);
        toolBar_->addWidget(tool);
        tools.push_back(tool);
    }
    new ToolbarFit(toolBar_, std::move(tools), kButtonSize);
}

void CMainFrame::createStatusBar() {
    statusBar()->showMessage(qtext(msg::StatusReady));
    // A hovered menu entry clears the message; the bar says "Ready" again.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(qtext(msg::StatusReady));
    });
    std::array<QLabel*, 3> panes{};
    size_t i = 0;
    for (const MessageId indicator :
         {msg::IndicatorUppercase, msg::IndicatorDigital, msg::IndicatorScroll}) {
        auto* pane = new QLabel(qtext(indicator), statusBar());
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
        panes[i++] = pane;
    }
    new KeyboardIndicators(panes, this);
}

void CMainFrame::createBottomBar() {
    bottomBar_ = new QDockWidget(qtext(msg::BottomBarTitle), this);
    bottomBar_->setObjectName(QStringLiteral("bottomBar"));
    bottomBar_->setAllowedAreas(Qt::BottomDockWidgetArea);
    bottomBar_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    tabs_ = new QTabWidget(bottomBar_);
    tabs_->setTabPosition(QTabWidget::South);
    info_ = new InfoTextPanel(tabs_);
    info_->setObjectName(QStringLiteral("infoPanel"));
    info_->setTabs(tabs_);
    news_ = new QTextBrowser(tabs_);
    news_->setObjectName(QStringLiteral("newsBrowser"));
    tabs_->addTab(info_, qtext(msg::TabInfo));
    tabs_->addTab(news_, qtext(msg::TabNews));
    // The two text panes are named by their tabs.
    info_->setAccessibleName(qtext(msg::TabInfo));
    news_->setAccessibleName(qtext(msg::TabNews));
    bottomBar_->setWidget(tabs_);
    addDockWidget(Qt::BottomDockWidgetArea, bottomBar_);
    resizeDocks({bottomBar_}, {kBottomBarHeight}, Qt::Vertical);
    setUpNews();
}

void CMainFrame::setUpNews() {
    const QString page = programFile(QStringLiteral("advertising_bottom/Brenmoor.html"));
    news_->setOpenLinks(false);
    if (!page.isEmpty())
        news_->setSource(page.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + page)
                                                           : QUrl::fromLocalFile(page));
    // The maker's pages open in the user's browser, and only while the
    // network is there.
    connect(news_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (internetReachable_ &&
            (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
            QDesktopServices::openUrl(url);
    });
}

void CMainFrame::checkReachability() {
    internetReachable_ = networkLooksReachable() ? 1 : 0;
}

void CMainFrame::updateCommandUi() {
    ConfigurationEditor& editor = view_->editor();
    action(cmd::AddNode)->setEnabled(editor.isEnabled(StructureCommand::AddNode));
    action(cmd::DeleteNode)->setEnabled(editor.isEnabled(StructureCommand::DeleteNode));
    action(cmd::AddCommand)->setEnabled(editor.isEnabled(StructureCommand::AddCommand));
    action(cmd::DeleteCommand)->setEnabled(editor.isEnabled(StructureCommand::DeleteCommand));
    action(cmd::CopyNode)->setEnabled(editor.isEnabled(StructureCommand::CopyNode));
    action(cmd::PasteNode)->setEnabled(editor.isEnabled(StructureCommand::PasteNode));
    const DeviceSettings& device = doc_->project().device;
    action(cmd::AutoMapping)->setEnabled(toolAvailable(MappingTool::AutoMapping, device));
    action(cmd::ConflictDetection)
        ->setEnabled(toolAvailable(MappingTool::ConflictDetection, device));
    action(cmd::EditUndo)->setEnabled(history_.canUndo());
    action(cmd::EditRedo)->setEnabled(history_.canRedo());
}

// --- File --------------------------------------------------------------------

void CMainFrame::onFileNew() {
    if (doc_->onFileNew())
        resetHistory();
}
void CMainFrame::onFileOpen() {
    if (doc_->onFileOpen())
        resetHistory();
}
void CMainFrame::onFileSave() {
    doc_->onFileSave();
}
void CMainFrame::onFileSaveAs() {
    doc_->onFileSaveAs();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Compare with Gateway reads on the serial worker while the window
    // paints: the window stays until it is done.
    if (serial_->worker().waiting()) {
        event->ignore();
        return;
    }
    view_->commitPendingEdit();
    if (doc_->canExit())
        event->accept();
    else
        event->ignore();
}

// --- Edit --------------------------------------------------------------------

void CMainFrame::onAddNode() {
    view_->addNode();
}
void CMainFrame::onDeleteNode() {
    view_->deleteNode(MenuVariant::EditMenu);
}
void CMainFrame::onDeleteCommand() {
    view_->deleteCommand(MenuVariant::EditMenu);
}
void CMainFrame::onCopyNode() {
    view_->copyNode();
}
void CMainFrame::onPasteNode() {
    view_->pasteNode();
}

void CMainFrame::onAddCommand() {
    CDIns dialog(this);
    selectCommand_ = &dialog;
    connect(&dialog, &CDIns::commandChosen, view_, &CModbusConfigView::addCommandFromList);
    dialog.exec();
    selectCommand_ = nullptr;
}

// --- Help --------------------------------------------------------------------

void CMainFrame::onHelpContent() {
    openHelp(this);
}

void CMainFrame::onAbout() {
    AboutDialog about(this);
    about.exec();
}

} // namespace brenmoor::gui
