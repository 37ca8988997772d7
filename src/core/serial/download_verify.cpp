#include "core/serial/download_verify.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"

namespace brenmoor {

VerifyReport verifyDownload(SerialPort&, Clock&, const Project&, int, TransferView&,
                            TransferProgress) {
    return {Outcome::failure(msg::UploadError, std::string(loadString(msg::UploadError))), {}};
}

} // namespace brenmoor
