#pragma once

#include <QString>

namespace brenmoor::gui {

// Whether the maker's page could be reached, as far as the operating system
// can tell without sending anything: a default route exists and a network
// interface other than loopback is up.
bool networkLooksReachable();

// The routing-table part of the check, on the text of /proc/net/route.
bool hasDefaultRoute(const QString& routeTable);

} // namespace brenmoor::gui
