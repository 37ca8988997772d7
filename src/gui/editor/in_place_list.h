#pragma once

#include <QComboBox>

namespace brenmoor::gui {

// The grid's drop-down list. It tells when its list closes, so that a list
// closed without a choice (Escape, a click elsewhere) does not stay over
// the cell showing its first entry.
class InPlaceList : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

    void hidePopup() override;

  signals:
    // The open list closed, whether or not an entry was chosen; a choice is
    // reported by activated() right after.
    void popupHidden();
};

} // namespace brenmoor::gui
