#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/resources/prompter.h"
#include "core/serial/received_data.h"
#include "core/serial/transact.h"
#include "core/serial/transfer_plan.h"
#include "core/serial/transfer_view.h"

namespace brenmoor {

// The node check that opens every download: each node of every subnet needs
// an address.
Outcome checkNodeAddresses(const ParameterStore& store);

// Writes the store's configuration into a gateway: device information,
// DeviceNet block, first subnet's block, the command list and the optional
// blocks that the flags and the firmware version call for. The caller has
// already run the node check and asked the download questions. Returns the
// first failure; "Clear command error" is shown through the prompter and the
// download goes on. A device of the wrong type closes the port.
class DownloadSequence {
  public:
    DownloadSequence(SerialPort& port, Clock& clock, Prompter& prompter, TransferView& view,
                     TransferProgress progress = {});

    // The read-back that follows the download is counted in its progress.
    void planReadBack(bool readBack) { readBack_ = readBack; }

    Outcome run(const Project& project);

    // The device information and firmware version of the last run.
    const ReceivedData& received() const { return received_; }
    int firmwareVersion() const { return firmwareVersion_; }

  private:
    Outcome fail(MessageId id);
    Outcome fail(MessageId id, std::string text);
    void show();
    // A request has had its reply (or none): counted, the plan brought up to
    // date with what the gateway has told, and shown.
    void counted();
    Outcome writeCommands(const ParameterStore& store);
    Outcome writeOptionalBlocks(const Project& project);

    Transactor transactor_;
    Prompter& prompter_;
    TransferView& view_;
    TransferProgress progress_;
    bool readBack_ = false;
    const Project* project_ = nullptr;
    GatewayFacts facts_;
    ReceivedData received_;
    int firmwareVersion_ = 0;
    std::array<uint8_t, kGeneralBufferSize> buffer_{};
    std::array<uint8_t, kOptionBufferSize> optionBuffer_{};
};

// The firmware version as bytes I1 and I2 of a device information reply
// give it (version = I1 x 10 + I2), read before the reply is validated.
int firmwareVersionOf(std::span<const uint8_t> reply);

// Whether a transfer sends (or reads) the optional blocks.
bool sendsClearingOption(const DeviceSettings& device, int firmwareVersion);
bool sendsProfibusConfig(const DeviceSettings& device, int firmwareVersion);

} // namespace brenmoor
