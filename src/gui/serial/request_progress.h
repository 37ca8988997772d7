#pragma once

#include "core/serial/transfer_view.h"
#include "gui/app/gui_text.h"

#include <QProgressBar>

#include <algorithm>

namespace brenmoor::gui {

// The requests sent out of those planned, on a transfer's progress bar; a
// count without a plan (nothing sent yet) leaves the bar as it is.
inline void showRequestCount(QProgressBar& bar, const TransferCount& count) {
    if (count.requestsPlanned <= 0)
        return;
    bar.setRange(0, count.requestsPlanned);
    bar.setValue(std::min(count.requestsDone, count.requestsPlanned));
    const QString requests = qtext(requestCountText(count));
    bar.setFormat(requests);
    // Read out as it reads.
    bar.setAccessibleName(requests);
}

} // namespace brenmoor::gui
