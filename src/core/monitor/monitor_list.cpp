#include "core/monitor/monitor_list.h"

namespace brenmoor::monitor {

bool MonitorList::emptyIfFull() {
    if (rows_.size() <= kMaxRowsBeforeEmptying)
        return false;
    rows_.clear();
    return true;
}

} // namespace brenmoor::monitor
