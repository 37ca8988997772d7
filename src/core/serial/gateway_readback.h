#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/clock.h"
#include "core/serial/received_data.h"
#include "core/serial/serial_port.h"
#include "core/serial/transact.h"
#include "core/serial/transfer_plan.h"
#include "core/serial/transfer_view.h"

#include <array>
#include <functional>

namespace brenmoor {

// The upload's requests and replies, without any dialog: the upload, the
// comparison with a gateway and the check after a download all read a
// gateway through this one reader, so they ask the same questions and
// accept the same answers.
class GatewayReader {
  public:
    GatewayReader(SerialPort& port, Clock& clock);

    // Forgets everything received.
    void reset();
    // Device information (0x01). A missing or refused reply gives the
    // upload's error; a device of another type than 1 closes the port and
    // gives "Device type does not match!".
    Outcome readDeviceInfo(const DeviceSettings& device);
    // DeviceNet block, the first subnet's block and, for a Modbus master,
    // the command count and the command packets. Each failure carries the
    // upload's message of its step.
    Outcome readMainBlocks(const DeviceSettings& device);
    // The input-data clearing option and the Profibus configuration data,
    // when the flags and the firmware version call for them.
    Outcome readOptionalBlocks(const DeviceSettings& device, int firmwareVersion);

    const ReceivedData& received() const { return received_; }
    int firmwareVersion() const { return firmwareVersion_; }
    // What the replies so far have told about the gateway.
    const GatewayFacts& facts() const { return facts_; }

    // Called after every request has had its reply (or none), once the
    // reply is read: the transfer counts it and shows its progress.
    void setExchanged(std::function<void()> exchanged) { exchanged_ = std::move(exchanged); }

  private:
    bool exchange(std::span<const uint8_t> frame, uint8_t expected, std::span<uint8_t> buffer,
                  bool doubleFault);
    void exchanged();

    Transactor transactor_;
    ReceivedData received_;
    int firmwareVersion_ = 0;
    GatewayFacts facts_;
    std::function<void()> exchanged_;
    std::array<uint8_t, kGeneralBufferSize> buffer_{};
    std::array<uint8_t, kPacketBufferSize> packetBuffer_{};
    std::array<uint8_t, kOptionBufferSize> optionBuffer_{};
};

// Reads a gateway's configuration with the upload's requests into `into`
// (its flags choose the optional blocks, as for an upload) without touching
// any document: Compare with Gateway and `diff --port`. The view shows the
// upload's progress lines. On success `into` holds what an upload would
// have made of the gateway (store and device family); its marks and format
// version stay; on failure nothing of it changes.
Outcome readGatewayConfiguration(SerialPort& port, Clock& clock, Project& into, TransferView& view,
                                 TransferProgress progress = {});

} // namespace brenmoor
