#include "gui/model/cddevice.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brenmoor::gui {

CDDevice::CDDevice(DeviceSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), type_(new QComboBox(this)) {
    setWindowTitle(qtext(msg::SelectDeviceTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    type_->addItem(qtext(msg::CorvanPlus));
    type_->setCurrentIndex(0);
    type_->setObjectName(QStringLiteral("deviceType"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qtext(msg::ButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(qtext(msg::ButtonCancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qtext(msg::SelectType), this));
    layout->addWidget(type_);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

void CDDevice::accept() {
    applySelectDeviceOk(settings_);
    QDialog::accept();
}

} // namespace brenmoor::gui
