#pragma once

#include "core/model/device_settings.h"

#include <QDialog>

class QComboBox;

namespace brenmoor::gui {

// "Select Device", shown once before the main window: OK sets the device
// settings for the run, Cancel ends the program.
class CDDevice : public QDialog {
    Q_OBJECT

  public:
    CDDevice(DeviceSettings& settings, QWidget* parent = nullptr);

    void accept() override;

  private:
    DeviceSettings& settings_;
    QComboBox* type_;
};

} // namespace brenmoor::gui
