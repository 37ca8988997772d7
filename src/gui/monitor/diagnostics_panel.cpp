#include "gui/monitor/diagnostics_panel.h"

#include "core/monitor/log_folder.h"
#include "core/resources/messages_monitor_diagnostics.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/qt_prompter.h"
#include "gui/monitor/cstakeout.h"
#include "gui/monitor/statistics_model.h"
#include "gui/monitor/value_plot.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace brenmoor::gui {

DiagnosticsPanel::DiagnosticsPanel(CStakeout& dialog, const ParameterStore& project, Clock& clock,
                                   FileDialogs& dialogs,
                                   std::optional<std::filesystem::path> logFolder)
    : QWidget(&dialog), diagnostics_(clock, monitor::ProjectCommands(project)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("diagnosticsPanel"));
    if (logFolder)
        diagnostics_.logToFolder(*logFolder, monitor::kLogFolderCapBytes);

    tabs_ = new QTabWidget(this);
    auto* statistics = new QWidget(tabs_);
    model_ = new StatisticsModel(diagnostics_, this);
    table_ = new QTableView(statistics);
    table_->setObjectName(QStringLiteral("statisticsTable"));
    table_->setAccessibleName(qtext(msg::StatisticsTab));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    decode_ = new QComboBox(statistics);
    decode_->setObjectName(QStringLiteral("decodeChoice"));
    for (const monitor::ValueFormat& format : monitor::valueFormats())
        decode_->addItem(qtext(monitor::formatName(format)));
    decode_->setEnabled(false);
    auto* decodeLabel = new QLabel(qtext(msg::DecodeAsLabel), statistics);
    decodeLabel->setBuddy(decode_);
    decode_->setAccessibleName(decodeLabel->text());
    reset_ = new QPushButton(qtext(msg::ResetStatisticsButton), statistics);
    reset_->setObjectName(QStringLiteral("resetButton"));
    reset_->setAutoDefault(false);

    auto* choices = new QHBoxLayout;
    choices->addWidget(decodeLabel);
    choices->addWidget(decode_);
    choices->addStretch(1);
    choices->addWidget(reset_);
    auto* statisticsLayout = new QVBoxLayout(statistics);
    statisticsLayout->setContentsMargins(4, 4, 4, 4);
    statisticsLayout->addWidget(table_, 1);
    statisticsLayout->addLayout(choices);
    tabs_->addTab(statistics, qtext(msg::StatisticsTab));

    plot_ = new ValuePlot(diagnostics_, tabs_);
    plot_->setObjectName(QStringLiteral("valuePlot"));
    tabs_->addTab(plot_, qtext(msg::PlotTab));

    logLabel_ = new QLabel(this);
    logLabel_->setObjectName(QStringLiteral("logLabel"));
    logLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    logLabel_->setWordWrap(true);
    export_ = new QPushButton(qtext(msg::ExportLogButton), this);
    export_->setObjectName(QStringLiteral("exportLogButton"));
    export_->setAutoDefault(false);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(logLabel_, 1);
    logRow->addWidget(export_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_, 1);
    layout->addLayout(logRow);
    // Beside the list, and taller than it: the table and the plot need the
    // room.
    setMinimumSize(520, 400);

    connect(reset_, &QPushButton::clicked, this, &DiagnosticsPanel::onReset);
    connect(export_, &QPushButton::clicked, this, &DiagnosticsPanel::onExportLog);
    connect(decode_, &QComboBox::activated, this, &DiagnosticsPanel::chooseFormat);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showSelectedFormat(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refresh(); });

    // Records come every few hundred milliseconds at most; the panel
    // catches up a few times a second rather than at every one.
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (dirty_)
            refresh();
    });
    timer_->start();
    diagnostics_.setListener([this] { dirty_ = true; });

    showLogState();
    dialog.addSidePanel(this);
    // The dialog's driver outlives this panel's use: it stops ticking
    // before the dialog's children go.
    dialog.driver().setObserver(&diagnostics_);
}

void DiagnosticsPanel::refresh() {
    dirty_ = false;
    model_->sync();
    if (plot_->isVisible())
        plot_->refresh();
    showSelectedFormat();
    showLogState();
}

const monitor::CommandStatistics* DiagnosticsPanel::selectedEntry() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->entryAt(rows.constFirst().row());
}

void DiagnosticsPanel::showSelectedFormat() {
    const monitor::CommandStatistics* entry = selectedEntry();
    decode_->setEnabled(entry != nullptr);
    if (!entry)
        return;
    const monitor::ValueFormat format = diagnostics_.formatOf(entry->slave, entry->start);
    const auto formats = monitor::valueFormats();
    for (size_t i = 0; i < formats.size(); ++i)
        if (formats[i] == format)
            decode_->setCurrentIndex(static_cast<int>(i));
}

void DiagnosticsPanel::chooseFormat(int index) {
    const monitor::CommandStatistics* entry = selectedEntry();
    const auto formats = monitor::valueFormats();
    if (!entry || index < 0 || static_cast<size_t>(index) >= formats.size())
        return;
    diagnostics_.chooseFormat(entry->slave, entry->start, formats[static_cast<size_t>(index)]);
    refresh();
}

void DiagnosticsPanel::onReset() {
    diagnostics_.resetStatistics();
    refresh();
}

void DiagnosticsPanel::onExportLog() {
    const QString name = dialogs_.logExportFileName(this);
    if (name.isEmpty())
        return;
    const Outcome exported = diagnostics_.exportLog(name.toStdString());
    if (!exported)
        QtPrompter(window()).inform(exported.message());
}

void DiagnosticsPanel::showLogState() {
    QString text;
    if (!diagnostics_.logState())
        text = qtext(formatMessage(msg::LogNotWritten, diagnostics_.logState().message()));
    else if (!diagnostics_.logPath().empty())
        text = qtext(formatMessage(msg::LogPathLabel, diagnostics_.logPath()));
    if (logLabel_->text() != text)
        logLabel_->setText(text);
}

} // namespace brenmoor::gui
