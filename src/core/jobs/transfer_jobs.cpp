#include "core/jobs/transfer_jobs.h"

#include "core/serial/gateway_readback.h"
#include "core/serial/upload_sequence.h"

namespace brenmoor {

UploadResult uploadConfiguration(SerialPort& port, Clock& clock, const Project& document,
                                 TransferView& view, const TransferProgress& progress) {
    UploadResult result{Outcome::success(), document};
    UploadSequence upload(port, clock, view, progress);
    result.outcome = upload.run(result.project);
    return result;
}

GatewayComparison compareWithGateway(SerialPort& port, Clock& clock, const Project& document,
                                     TransferView& view, const TransferProgress& progress) {
    // A project as Open starts one: the document's flags (the delimiter flag
    // survives files that do not carry it), a default store.
    Project gateway = makeNewProject();
    gateway.device = document.device;
    GatewayComparison result;
    result.outcome = readGatewayConfiguration(port, clock, gateway, view, progress);
    if (result.outcome)
        result.differences = compareConfigurations(document, gateway);
    return result;
}

} // namespace brenmoor
