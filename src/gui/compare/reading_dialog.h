#pragma once

#include "core/serial/transfer_view.h"

#include <QDialog>

class QLabel;

namespace brenmoor::gui {

// Shown while Compare with Gateway reads the gateway: the upload's two
// status lines. It has no buttons; the read ends by itself.
class ReadingDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ReadingDialog(QWidget* parent = nullptr);

    // Shows the lines.
    void showView(const TransferView& view);

  private:
    QLabel* lineA_;
    QLabel* lineB_;
};

} // namespace brenmoor::gui
