#pragma once

#include "core/serial/port_settings.h"

#include <QDialog>

#include <array>

class QComboBox;

namespace brenmoor::gui {

// "Serial Port Configuration": the port and the four line settings. Only
// the port can be chosen; the line settings are shown as they will be used.
// OK stores the choice and confirms it; what Cancel means is the caller's.
class CDConfig : public QDialog {
    Q_OBJECT

  public:
    enum List { Port, BaudRate, CheckBit, DataBits, StopBits, ListCount };

    CDConfig(SerialPortSettings& settings, const ComPortNames& names, QWidget* parent = nullptr);

    QComboBox* list(List which) const { return lists_[which]; }

    void accept() override;

  private:
    SerialPortSettings& settings_;
    std::array<QComboBox*, ListCount> lists_{};
};

} // namespace brenmoor::gui
