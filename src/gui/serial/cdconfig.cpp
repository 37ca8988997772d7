#include "gui/serial/cdconfig.h"

#include "core/resources/messages_gui.h"
#include "core/resources/messages_serial.h"
#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/gui_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brenmoor::gui {

namespace {

// Selects the stored index, or nothing when the list has no such entry
// (an empty port list, or a list that shrank since the choice).
void selectStored(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

} // namespace

CDConfig::CDConfig(SerialPortSettings& settings, const ComPortNames& names, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(qtext(msg::SerialConfigTitle));
    setObjectName(QStringLiteral("CDConfig"));

    auto* form = new QFormLayout;
    const MessageId labels[ListCount] = {msg::SerialConfigPort, msg::SerialConfigBaudRate,
                                         msg::SerialConfigCheckBit, msg::SerialConfigDataBits,
                                         msg::SerialConfigStopBits};
    for (int i = 0; i < ListCount; ++i) {
        lists_[i] = new QComboBox(this);
        lists_[i]->setMinimumWidth(180);
        form->addRow(qtext(labels[i]), lists_[i]);
    }
    for (const std::string& name : names)
        lists_[Port]->addItem(qtext(name));
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
