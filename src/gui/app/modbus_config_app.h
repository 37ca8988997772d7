#pragma once

#include <QStringList>

#include <memory>

namespace brenmoor::gui {

class CMainFrame;

// The application's start-up: Select Device, the main window, then File New
// or the file named on the command line.
//
// Options beyond the file name, for tests, screenshots and measurements
// (not shown in --help):
//   --no-select-device   skip the Select Device dialog as if OK was chosen
//                        (also: environment BRENMOOR_NO_SELECT_DEVICE=1)
//   --select <item>      select a tree item after start-up: "fieldbus",
//                        "subnet", "node N" or "command N" (1-based)
//   --measure            print start-up and page-rebuild times, then quit
class CModbusConfigApp {
  public:
    struct Options {
        QString file;
        bool selectDevice = true;
        QString select;
        bool measure = false;
    };

    CModbusConfigApp();
    ~CModbusConfigApp();

    static Options parse(const QStringList& arguments);

    // Runs start-up; returns the exit code when the program must end now
    // (Select Device cancelled, the file could not be opened), or -1 when
    // the main window is up and the event loop should run.
    int start(const Options& options);

    CMainFrame* mainFrame() const { return frame_.get(); }

  private:
    void selectRequested(const QString& what);
    void measure();

    std::unique_ptr<CMainFrame> frame_;
};

} // namespace brenmoor::gui
