#pragma once

#include "core/serial/transfer_view.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace brenmoor::gui {

// Shown while Compare with Gateway reads the gateway: the upload's two
// status lines. It has no buttons; the read ends by itself.
class ReadingDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ReadingDialog(QWidget* parent = nullptr);

    // Shows the lines and how many of the read's requests have been sent.
    void showView(const TransferView& view);

  private:
    QLabel* lineA_;
    QLabel* lineB_;
    QProgressBar* progress_;
};

} // namespace brenmoor::gui
