#pragma once

#include "sim/gateway_engine.h"
#include "sim/monitor_engine.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace brenmoor::sim {

// The simulated gateway on a pseudo-terminal. Programs open devicePath()
// like any serial port. Runs either on its own thread (start/stop, for the
// desktop's --simulate) or on the caller's (run, for the executable); stop
// may be called from another thread or a signal handler.
//
// The engine's options choose what it plays (GatewayMode): configuration
// requests go to `engine`, the monitor's records and answers to `monitor`.
// In auto mode the line speed the program set on the device decides, and
// the gateway follows it as the program reopens the port.
class PtyGateway {
  public:
    explicit PtyGateway(GatewayEngine engine, MonitorEngine monitor = MonitorEngine{});
    ~PtyGateway();
    PtyGateway(const PtyGateway&) = delete;
    PtyGateway& operator=(const PtyGateway&) = delete;

    // Creates the pseudo-terminal; false with errorText() set on failure.
    bool open();
    // Makes `link` a symbolic link to the device (replacing an old link).
    bool linkTo(const std::string& link);
    const std::string& devicePath() const { return devicePath_; }
    const std::string& errorText() const { return error_; }

    // Serves requests until stop() is called.
    void run();
    void start();
    // Safe from any thread and from a signal handler.
    void stop();
    // Joins the thread of start(), if any.
    void join();

    // The engines, for reading their state once the loop has ended.
    GatewayEngine& engine() { return engine_; }
    MonitorEngine& monitor() { return monitor_; }

    // The speed the program set on the device, in baud; 0 when unknown.
    int lineBaud() const;

  private:
    void closeAll();
    bool monitorWanted() const;

    GatewayEngine engine_;
    MonitorEngine monitor_;
    int master_ = -1;
    int slave_ = -1; // kept open so the device survives clients closing it
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::string devicePath_;
    std::string link_;
    std::string error_;
    std::thread thread_;
};

} // namespace brenmoor::sim
