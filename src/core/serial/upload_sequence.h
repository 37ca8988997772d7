#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/received_data.h"
#include "core/serial/transact.h"
#include "core/serial/transfer_view.h"

namespace brenmoor {

// Reads a gateway's configuration and replaces the project's store with it.
// Every reply is collected first; only when all of them were read is the
// store reset and decoded, so a failure at any step leaves the store and the
// flags exactly as they were. On success the upload mark and the loaded mark
// are on (the window's New then keeps the store), the modified mark is on
// (the configuration exists nowhere else yet), and the caller rebuilds the
// configuration tree from the store and shows the new document.
class UploadSequence {
  public:
    UploadSequence(SerialPort& port, Clock& clock, TransferView& view,
                   TransferProgress progress = {});

    Outcome run(Project& project);

    const ReceivedData& received() const { return received_; }
    int firmwareVersion() const { return firmwareVersion_; }

  private:
    void show();
    Outcome failBlock(MessageId id);
    Outcome failBlock(MessageId id, std::string text);
    Outcome readBlocks(const DeviceSettings& device);

    Transactor transactor_;
    TransferView& view_;
    TransferProgress progress_;
    ReceivedData received_;
    int firmwareVersion_ = 0;
    std::array<uint8_t, kGeneralBufferSize> buffer_{};
    std::array<uint8_t, kPacketBufferSize> packetBuffer_{};
    std::array<uint8_t, kOptionBufferSize> optionBuffer_{};
};

// The store side of applying an upload: reset to defaults, the values read,
// then the upload's marks. Used by the sequence once every reply is in.
void applyUpload(Project& project, const ReceivedData& received);

} // namespace brenmoor
