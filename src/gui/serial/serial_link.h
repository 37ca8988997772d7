#pragma once

#include "core/serial/port_settings.h"

#include <memory>
#include <string>

class QWidget;

namespace brenmoor {
class Prompter;
}

namespace brenmoor::gui {

// The serial side of the program for one run: the computer's port list, the
// choice made in Serial Port Configuration with its confirmed mark, and how
// ports are opened. Download, Upload, the monitor and Compare with Gateway
// all go through it, so they share one choice.
class SerialLink {
  public:
    SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener);
    ~SerialLink();

    SerialPortSettings& settings() { return settings_; }
    const SerialPortSettings& settings() const { return settings_; }
    const ComPortNames& portNames() const { return names_; }
    PortLister& lister() { return *lister_; }
    PortOpener& opener() { return *opener_; }

    // Reads the computer's port list again and re-sets the baud rate.
    void enumeratePorts();

    // Download, Upload, the monitor: when the settings are not confirmed
    // yet, Serial Port Configuration comes first. Returns false when the
    // user cancelled it (which clears the confirmed mark).
    bool askSettingsIfUnconfirmed(QWidget* parent);
    // Tools "Serial Connection": the dialog every time; its Cancel leaves
    // the settings and the confirmed mark as they were. True on OK.
    bool showSettings(QWidget* parent);

    // Where the serial dialogs show their messages and ask their questions;
    // nullptr (the default) lets each dialog use message boxes of its own.
    // Tests answer them here.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    Prompter* prompter() const { return prompter_; }

  private:
    std::unique_ptr<PortLister> lister_;
    std::unique_ptr<PortOpener> opener_;
    SerialPortSettings settings_;
    ComPortNames names_;
    Prompter* prompter_ = nullptr;
};

} // namespace brenmoor::gui
