#include "gui/serial/cdconfig.h"

#include "core/resources/messages_gui.h"
#include "core/resources/messages_serial.h"
#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/gui_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace brenmoor::gui {

namespace {

// Selects the stored index, or nothing when the list has no such entry
// (an empty port list, or a list that shrank since the choice).
void selectStored(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// A stable device name with all the system knows of it runs long: the
// closed list keeps a sensible width and the open one shows it all.
constexpr int kPortColumns = 40;

} // namespace

CDConfig::CDConfig(SerialPortSettings& settings, const ComPortNames& names, QWidget* parent)
    : CDConfig(settings, portsNamed(names), nullptr, parent) {}

CDConfig::CDConfig(SerialPortSettings& settings, PortDescriptions ports, PortLister* lister,
                   QWidget* parent)
    : QDialog(parent), settings_(settings), ports_(std::move(ports)), lister_(lister) {
    setWindowTitle(qtext(msg::SerialConfigTitle));
    setObjectName(QStringLiteral("CDConfig"));

    auto* form = new QFormLayout;
    const MessageId labels[ListCount] = {msg::SerialConfigPort, msg::SerialConfigBaudRate,
                                         msg::SerialConfigCheckBit, msg::SerialConfigDataBits,
                                         msg::SerialConfigStopBits};
    for (int i = 0; i < ListCount; ++i) {
        lists_[i] = new QComboBox(this);
        lists_[i]->setMinimumWidth(180);
        auto* label = new QLabel(qtext(labels[i]), this);
        label->setBuddy(lists_[i]);
        if (i != Port || !lister_) {
            form->addRow(label, lists_[i]);
            continue;
        }
        // For an adapter plugged in after the list was read.
        refresh_ = new QPushButton(qtext(msg::SerialConfigRefresh), this);
        refresh_->setAutoDefault(false);
        connect(refresh_, &QPushButton::clicked, this, &CDConfig::refresh);
        auto* row = new QHBoxLayout;
        row->addWidget(lists_[i], 1);
        row->addWidget(refresh_);
        form->addRow(label, row);
    }
    lists_[Port]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lists_[Port]->setMinimumContentsLength(kPortColumns);
    fillPorts();
    for (const int rate : kBaudRates)
        lists_[BaudRate]->addItem(QString::number(rate));
    for (const MessageId parity :
         {msg::ParityNone, msg::ParityOdd, msg::ParityEven, msg::ParityMark, msg::ParitySpace})
        lists_[CheckBit]->addItem(qtext(parity));
    lists_[DataBits]->addItems(
        {QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("6"), QStringLiteral("5")});
    lists_[StopBits]->addItems({QStringLiteral("1"), QStringLiteral("2")});

    // The gateway's configuration mode has fixed line settings: showing them
    // without letting them change keeps a wrong baud rate from ever being
    // the reason a download times out.
    for (int i = BaudRate; i < ListCount; ++i)
        lists_[i]->setEnabled(false);

    selectStored(lists_[Port], settings_.portIndex);
    selectStored(lists_[BaudRate], settings_.baudIndex);
    selectStored(lists_[CheckBit], settings_.parityIndex);
    selectStored(lists_[DataBits], settings_.dataBitsIndex);
    selectStored(lists_[StopBits], settings_.stopBitsIndex);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(qtext(msg::ButtonOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(qtext(msg::ButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDConfig::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDConfig::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void CDConfig::fillPorts() {
    QComboBox* list = lists_[Port];
    list->clear();
    for (const PortDescription& port : ports_) {
        const QString label = qtext(portLabel(port));
        list->addItem(label);
        list->setItemData(list->count() - 1, label, Qt::ToolTipRole);
    }
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0));
}

void CDConfig::refresh() {
    const int chosen = lists_[Port]->currentIndex();
    const std::string chosenName = chosen >= 0 && chosen < static_cast<int>(ports_.size())
                                       ? ports_[static_cast<size_t>(chosen)].name
                                       : "";
    // Into copies: Cancel must leave the program's list and settings as
    // they were.
    SerialPortSettings fresh = settings_;
    ComPortNames names;
    enumerateComPorts(*lister_, names, ports_, fresh);
    fillPorts();
    const auto same = std::find(names.begin(), names.end(), chosenName);
    selectStored(lists_[Port], same != names.end() ? static_cast<int>(same - names.begin())
                                                   : settings_.portIndex);
    selectStored(lists_[BaudRate], fresh.baudIndex);
}

void CDConfig::accept() {
    if (lists_[Port]->currentIndex() == -1) {
        QMessageBox box(this);
        box.setWindowTitle(qtext(msg::AppTitle));
        box.setIcon(QMessageBox::Critical);
        box.setText(qtext(msg::ImproperArgument));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return;
    }
    // Stored only on a successful OK, so that a Cancel after the message
    // above leaves the settings exactly as they were.
    settings_.portIndex = lists_[Port]->currentIndex();
    settings_.baudIndex = lists_[BaudRate]->currentIndex();
    settings_.parityIndex = lists_[CheckBit]->currentIndex();
    settings_.dataBitsIndex = lists_[DataBits]->currentIndex();
    settings_.stopBitsIndex = lists_[StopBits]->currentIndex();
    settings_.confirmed = true;
    QDialog::accept();
}

} // namespace brenmoor::gui
