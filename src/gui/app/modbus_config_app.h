#pragma once

#include "sim/desktop_gateway.h"

#include <QStringList>

#include <memory>

namespace brenmoor::gui {

class CMainFrame;

// The application's start-up: Select Device, the main window, then File New
// or the file named on the command line.
//
// Options beyond the file name, for tests and screenshots (not shown in
// --help; docs/user-guide.md lists them):
//   --no-select-device   skip the Select Device dialog as if OK was chosen
//   --select <item>      select a tree item after start-up: "fieldbus",
//                        "subnet", "node N" or "command N" (1-based)
//   --simulate-records <file>  the simulated gateway's monitor plays this
//                        record script
//   --simulate-full-speed  ... and reports its records back to back
//
// Shown in --help:
//   --simulate           a simulated gateway for this run, first in the port
//                        list and selected
//   --port <device>      a device to offer in the port list (repeatable)
//   --no-open-workbook   Export Excel leaves the workbook closed
class CModbusConfigApp {
  public:
    struct Options {
        QString file;
        bool selectDevice = true;
        QString select;
        bool simulate = false;
        QString simulateRecords;
        bool simulateFullSpeed = false;
        bool openWorkbooks = true;
        QStringList ports;
    };

    CModbusConfigApp();
    ~CModbusConfigApp();

    static Options parse(const QStringList& arguments);

    // Runs start-up; returns the exit code when the program must end now
    // (Select Device cancelled, the file could not be opened), or -1 when
    // the main window is up and the event loop should run.
    int start(const Options& options);

    CMainFrame* mainFrame() const { return frame_.get(); }
    // The simulated gateway of --simulate, while it runs.
    sim::DesktopGateway* simulator() const { return simulator_.get(); }

  private:
    void selectRequested(const QString& what);
    // The port list of the run: --simulate's gateway and the --port devices
    // in front of the computer's own ports.
    void setUpSerialLink(const Options& options);

    std::unique_ptr<sim::DesktopGateway> simulator_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace brenmoor::gui
