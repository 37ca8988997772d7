#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/gateway_readback.h"
#include "core/serial/received_data.h"
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

    const ReceivedData& received() const { return reader_.received(); }
    int firmwareVersion() const { return reader_.firmwareVersion(); }

  private:
    void show();
    void counted();
    Outcome failBlock(Outcome failed);

    GatewayReader reader_;
    TransferView& view_;
    TransferProgress progress_;
    const DeviceSettings* device_ = nullptr;
};

// The store side of applying an upload: reset to defaults, the values read,
// then the upload's marks. Used by the sequence once every reply is in.
void applyUpload(Project& project, const ReceivedData& received);

} // namespace brenmoor
