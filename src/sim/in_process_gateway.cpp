#include "sim/in_process_gateway.h"

#include <deque>
#include <map>
#include <mutex>
#include <vector>

namespace brenmoor::sim {

// What the gateway and its port share. The port lives on whichever thread
// does the serial I/O; the gateway is made and ended by the program.
struct InProcessGateway::State {
    State(GatewayEngine gatewayEngine, MonitorEngine monitorEngine, Clock& clockToUse)
        : engine(std::move(gatewayEngine)), monitor(std::move(monitorEngine)), clock(clockToUse) {}

    std::mutex mutex;
    GatewayEngine engine;
    MonitorEngine monitor;
    Clock& clock;
    bool portOpen = false;
    bool monitoring = false;
    std::multimap<int64_t, std::vector<uint8_t>> outgoing; // replies by the time they arrive
    std::deque<uint8_t> input;                             // arrived, not yet read

    // Moves what has arrived by now into the input queue.
    void deliver() {
        const int64_t now = clock.now();
        while (!outgoing.empty() && outgoing.begin()->first <= now) {
            const std::vector<uint8_t>& bytes = outgoing.begin()->second;
            input.insert(input.end(), bytes.begin(), bytes.end());
            outgoing.erase(outgoing.begin());
        }
        if (monitoring)
            for (auto record = monitor.due(now); !record.empty(); record = monitor.due(now))
                input.insert(input.end(), record.begin(), record.end());
    }
};

namespace {

class InProcessPort : public SerialPort {
  public:
    explicit InProcessPort(std::shared_ptr<InProcessGateway::State> state)
        : state_(std::move(state)) {}
    ~InProcessPort() override { closePort(); }

    size_t queryStatus() override {
        if (!state_)
            return 0;
        std::lock_guard lock(state_->mutex);
        state_->deliver();
        return state_->input.size();
    }

    bool writeBytes(std::span<const uint8_t> bytes) override {
        if (!state_)
            return false;
        std::lock_guard lock(state_->mutex);
        const int64_t now = state_->clock.now();
        if (state_->monitoring) {
            state_->monitor.receive(bytes, now);
            return true;
        }
        for (ScheduledReply& reply : state_->engine.receive(bytes, now))
            state_->outgoing.emplace(now + reply.delayMs, std::move(reply.bytes));
        return true;
    }

    size_t readBytes(std::span<uint8_t> buffer) override {
        if (!state_)
            return 0;
        std::lock_guard lock(state_->mutex);
        size_t count = 0;
        while (count < buffer.size() && !state_->input.empty()) {
            buffer[count++] = state_->input.front();
            state_->input.pop_front();
        }
        return count;
    }

    void closePort() override {
        if (!state_)
            return;
        // The last owner of the state may be this port: the lock must end
        // before the state does.
        const std::shared_ptr<InProcessGateway::State> state = std::move(state_);
        std::lock_guard lock(state->mutex);
        state->portOpen = false;
    }

    bool isOpen() const override { return state_ != nullptr; }

  private:
    std::shared_ptr<InProcessGateway::State> state_;
};

class GatewayOpener : public PortOpener {
  public:
    GatewayOpener(InProcessGateway& gateway, std::unique_ptr<PortOpener> system)
        : gateway_(gateway), system_(std::move(system)) {}

    PortOpenResult open(const std::string& deviceName, const LineSettings& line) override {
        if (deviceName != gateway_.devicePath())
            return system_->open(deviceName, line);
        std::unique_ptr<SerialPort> port = gateway_.open(line);
        if (!port)
            return {nullptr, PortOpenError::OpenFailed};
        return {std::move(port), PortOpenError::None};
    }

  private:
    InProcessGateway& gateway_;
    std::unique_ptr<PortOpener> system_;
};

} // namespace

InProcessGateway::InProcessGateway(std::string deviceName, GatewayEngine engine, Clock& clock,
                                   MonitorEngine monitor)
    : name_(std::move(deviceName)),
      state_(std::make_shared<State>(std::move(engine), std::move(monitor), clock)) {}

InProcessGateway::~InProcessGateway() = default;

std::unique_ptr<SerialPort> InProcessGateway::open(const LineSettings& line) {
    std::lock_guard lock(state_->mutex);
    if (state_->portOpen)
        return nullptr;
    state_->portOpen = true;
    // A new conversation: nothing of an earlier one is still on its way.
    state_->outgoing.clear();
    state_->input.clear();
    state_->monitoring = playsMonitor(state_->engine.options().mode, line.baudRate);
    if (state_->monitoring)
        state_->monitor.restart(state_->clock.now());
    return std::make_unique<InProcessPort>(state_);
}

std::unique_ptr<PortOpener> InProcessGateway::opener(std::unique_ptr<PortOpener> system) {
    return std::make_unique<GatewayOpener>(*this, std::move(system));
}

} // namespace brenmoor::sim
