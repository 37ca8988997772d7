#include "gui/monitor/cstakeout.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_port.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/messages_serial.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/qt_prompter.h"
#include "gui/monitor/monitor_list_model.h"
#include "gui/serial/serial_worker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace brenmoor::gui {

namespace {

// The layout was drawn in dialog units of the dialog's font.
struct DialogUnits {
    double x;
    double y;
    int width(double units) const { return static_cast<int>(std::lround(units * x)); }
    int height(double units) const { return static_cast<int>(std::lround(units * y)); }
};

QPushButton* makeButton(MessageId text, QWidget* parent) {
    auto* button = new QPushButton(qtext(text), parent);
    // Enter in an edit box must not press a button behind the user's back:
    // Send writes into the gateway.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

CStakeout::CStakeout(PortOpener& opener, std::optional<std::string> portName, Clock& clock,
                     FileDialogs& dialogs, QWidget* parent, SerialWorker* worker)
    : QDialog(parent), opener_(opener), portName_(std::move(portName)), clock_(clock),
      dialogs_(dialogs), ownWorker_(worker ? nullptr : std::make_unique<SerialWorker>()),
      worker_(worker ? *worker : *ownWorker_), prompter_(std::make_unique<QtPrompter>(this)),
      driver_(session_, clock) {
    setWindowTitle(qtext(msg::MonitorCaption));
    setObjectName(QStringLiteral("monitorDialog"));

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerPeriodMs);
    connect(timer_, &QTimer::timeout, this, &CStakeout::pollTick);

    model_ = new MonitorListModel(session_.list(), this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("monitorList"));
    list_->setModel(model_);
    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("addressEdit"));
    data_ = new QLineEdit(this);
    data_->setObjectName(QStringLiteral("dataEdit"));
    save_ = makeButton(msg::SaveContent, this);
    save_->setObjectName(QStringLiteral("saveButton"));
    display_ = makeButton(msg::StopDisplaying, this);
    display_->setObjectName(QStringLiteral("displayButton"));
    send_ = makeButton(msg::SendButton, this);
    send_->setObjectName(QStringLiteral("sendButton"));
    exit_ = makeButton(msg::MonitorExitButton, this);
    exit_->setObjectName(QStringLiteral("exitButton"));

    connect(save_, &QPushButton::clicked, this, &CStakeout::onSaveContent);
    connect(display_, &QPushButton::clicked, this, &CStakeout::onStopDisplaying);
    connect(send_, &QPushButton::clicked, this, &CStakeout::onSend);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    buildLayout();
}

CStakeout::~CStakeout() {
    closeMonitor();
}

void CStakeout::buildLayout() {
    const QFontMetrics metrics = fontMetrics();
    const DialogUnits du{metrics.averageCharWidth() / 4.0, metrics.height() / 8.0};

    // A report view: one line per row, grid lines, whole rows selected.
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    int columnsWidth = 0;
    for (int column = 0; column < 4; ++column) {
        list_->setColumnWidth(column, MonitorListModel::kColumnWidths[column]);
        columnsWidth += MonitorListModel::kColumnWidths[column];
    }
    // The columns were measured in pixels and the list in dialog units; with
    // today's fonts the list would cut the data column, so it is at least as
    // wide as the columns and their scroll bar.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * list_->frameWidth();
    list_->setMinimumSize(std::max(du.width(371), columnsWidth + scrollBar + frame),
                          du.height(130));

    address_->setFixedWidth(du.width(51));
    address_->setFixedHeight(std::max(du.height(12), address_->sizeHint().height()));
    data_->setMinimumWidth(du.width(311));
    data_->setFixedHeight(address_->height());

    auto* addressLabel = new QLabel(qtext(msg::MappingAddressLabel), this);
    addressLabel->setBuddy(address_);
    auto* dataLabel = new QLabel(qtext(msg::DataLabel), this);
    dataLabel->setBuddy(data_);

    // The buttons share the address row, to the right of its edit box.
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(address_);
    addressRow->addStretch(1);
    for (QPushButton* button : {save_, display_, send_, exit_})
        addressRow->addWidget(button);
    // "Continue to Display" must not make the row jump when the text turns.
    display_->setMinimumWidth(
        std::max(display_->sizeHint().width(),
                 metrics.horizontalAdvance(qtext(msg::ContinueToDisplay)) + du.width(12)));
    save_->setMinimumWidth(
        std::max(save_->sizeHint().width(),
                 metrics.horizontalAdvance(qtext(msg::StopSaving)) + du.width(12)));

    auto* dataRow = new QHBoxLayout;
    dataRow->addWidget(dataLabel);
    dataRow->addWidget(data_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(du.width(7), du.height(13), du.width(7), du.height(7));
    layout->setSpacing(du.height(4));
    listRow_ = new QHBoxLayout;
    listRow_->addWidget(list_, 1);
    layout->addLayout(listRow_, 1);
    layout->addLayout(addressRow);
    layout->addLayout(dataRow);
}

void CStakeout::addSidePanel(QWidget* panel) {
    listRow_->addWidget(panel, 1);
}

bool CStakeout::openMonitor() {
    address_->setText(qtext(monitor::kInitialAddressText));
    data_->setText(qtext(monitor::kInitialDataText));
    refreshButtons();

    OpenedPort opened = monitor::openMonitorPort(opener_, portName_);
    if (!opened.port) {
        prompter_->inform(opened.outcome);
        return false;
    }
    port_ = std::move(opened.port);
    closed_ = false;
    timer_->start(kTimerPeriodMs);
    return true;
}

int CStakeout::exec() {
    if (!openMonitor()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CStakeout::done(int result) {
    if (sending_) {
        closeAfterSend_ = result;
        return;
    }
    closeMonitor();
    QDialog::done(result);
}

void CStakeout::closeMonitor() {
    closed_ = true;
    timer_->stop();
    if (port_) {
        port_->closePort();
        port_.reset();
    }
    session_.stopSaving();
}

void CStakeout::pollTick() {
    const monitor::TickResult ticked = driver_.tick(port_.get());
    if (ticked.portGone) {
        // A port whose device went away closed itself and never opens again.
        port_.reset();
        timer_->stop();
        prompter_->inform(msg::OpenSerialPortFailed);
        return;
    }
    apply(ticked.step);
}

void CStakeout::onSend() {
    timer_->stop();
    send_->setEnabled(false);
    // The texts as they were when Send was pressed: the dialog stays live
    // while Send waits.
    const std::string address = address_->text().toStdString();
    const std::string data = data_->text().toStdString();
    SerialPort* port = port_.get();
    monitor::SendRecord record;
    sending_ = true;
    worker_.runWhileWaiting(
        [&] { record = monitor::MonitorDriver::awaitSendRecord(port, clock_, address, data); });
    sending_ = false;
    apply(driver_.answerSend(port_.get(), record));
    send_->setEnabled(true);
    if (closeAfterSend_) {
        done(*std::exchange(closeAfterSend_, std::nullopt));
        return;
    }
    if (!closed_)
        timer_->start(kTimerPeriodMs);
}

void CStakeout::apply(const monitor::MonitorStep& step) {
    model_->sync(step.listEmptied);
    if (step.shownRow)
        list_->scrollToBottom();
    refreshButtons();
    if (!step.outcome)
        inform(step.outcome.message());
}

void CStakeout::onSaveContent() {
    const Outcome outcome =
        session_.pressSaveContent(*prompter_, [this]() -> std::optional<std::string> {
            const QString name = dialogs_.monitorSaveFileName(this);
            if (name.isEmpty())
                return std::nullopt;
            return name.toStdString();
        });
    refreshButtons();
    if (!outcome)
        inform(outcome.message());
}

void CStakeout::onStopDisplaying() {
    session_.toggleDisplay();
    model_->sync();
    refreshButtons();
}

void CStakeout::refreshButtons() {
    save_->setText(qtext(session_.saveButtonText()));
    display_->setText(qtext(session_.displayButtonText()));
}

void CStakeout::inform(std::string_view text) {
    const bool running = timer_->isActive();
    timer_->stop();
    prompter_->inform(text);
    if (running && port_)
        timer_->start(kTimerPeriodMs);
}

} // namespace brenmoor::gui
