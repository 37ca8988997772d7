#pragma once

#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "gui/serial/serial_worker.h"

#include <memory>
#include <string>

class QWidget;

namespace brenmoor {
class Prompter;
}

namespace brenmoor::gui {

// The serial side of the program for one run: the computer's port list, the
// choice made in Serial Port Configuration with its confirmed mark, and how
// ports are opened, the clock every wait of an exchange goes through, and
// the serial worker the exchanges run on. Download, Upload, the monitor and
// Compare with Gateway all go through it, so they share one choice and one
// worker.
class SerialLink {
  public:
    // Waits on the computer's clock.
    SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener);
    // Waits on `clock`, which outlives the link (tests: a fake clock).
    SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener,
               Clock& clock);
    ~SerialLink();

    SerialPortSettings& settings() { return settings_; }
    const SerialPortSettings& settings() const { return settings_; }
    const ComPortNames& portNames() const { return names_; }
    PortLister& lister() { return *lister_; }
    PortOpener& opener() { return *opener_; }
    // Used on the worker only, by one job at a time.
    Clock& clock() { return *clock_; }
    SerialWorker& worker() { return *worker_; }

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
    // Serial Port Configuration; on OK the list it showed (read again when
    // the user pressed Refresh) becomes the port list.
    bool runSettingsDialog(QWidget* parent);

    std::unique_ptr<PortLister> lister_;
    std::unique_ptr<PortOpener> opener_;
    std::unique_ptr<Clock> ownClock_;
    Clock* clock_;
    std::unique_ptr<SerialWorker> worker_;
    SerialPortSettings settings_;
    ComPortNames names_;
    PortDescriptions ports_;
    Prompter* prompter_ = nullptr;
};

} // namespace brenmoor::gui
