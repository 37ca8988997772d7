#include "gui/editor/in_place_list.h"

#include <QAbstractItemView>

namespace brenmoor::gui {

void InPlaceList::hidePopup() {
    const bool wasOpen = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (wasOpen)
        emit popupHidden();
}

} // namespace brenmoor::gui
