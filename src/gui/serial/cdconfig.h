#pragma once

#include "core/serial/port_settings.h"

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;

namespace brenmoor::gui {

// "Serial Port Configuration": the port and the four line settings. Only
// the port can be chosen; the line settings are shown as they will be used.
// OK stores the choice and confirms it; what Cancel means is the caller's.
class CDConfig : public QDialog {
    Q_OBJECT

  public:
    enum List { Port, BaudRate, CheckBit, DataBits, StopBits, ListCount };

    CDConfig(SerialPortSettings& settings, const ComPortNames& names, QWidget* parent = nullptr);
    // With what the system knows of each port, and a Refresh button that
    // reads the list again from `lister` (which outlives the dialog).
    CDConfig(SerialPortSettings& settings, PortDescriptions ports, PortLister* lister,
             QWidget* parent = nullptr);

    QComboBox* list(List which) const { return lists_[which]; }
    // Null without a lister.
    QPushButton* refreshButton() const { return refresh_; }
    // The ports the Port list shows, which the stored index points into once
    // OK was pressed: read again by Refresh, else those the dialog was given.
    const PortDescriptions& ports() const { return ports_; }

    void accept() override;
    // Reads the port list again as a new document does, the baud rate
    // going back to 19200, and keeps the chosen port chosen where it is
    // still there. Nothing is stored before OK.
    void refresh();

  private:
    void fillPorts();

    SerialPortSettings& settings_;
    PortDescriptions ports_;
    PortLister* lister_;
    std::array<QComboBox*, ListCount> lists_{};
    QPushButton* refresh_ = nullptr;
};

} // namespace brenmoor::gui
