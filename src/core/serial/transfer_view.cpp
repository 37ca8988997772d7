#include "core/serial/transfer_view.h"

#include "core/resources/message_text.h"
#include "core/resources/messages_desktop.h"

namespace brenmoor {

std::string commandCountText(const TransferCount& count) {
    if (count.command <= 0 || count.commands <= 0)
        return {};
    return fillIn(msg::TransferCommandOf,
                  {std::to_string(count.command), std::to_string(count.commands)});
}

std::string requestCountText(const TransferCount& count) {
    return fillIn(msg::TransferRequestsOf,
                  {std::to_string(count.requestsDone), std::to_string(count.requestsPlanned)});
}

} // namespace brenmoor
