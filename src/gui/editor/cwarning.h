#pragma once

#include <QDialog>

namespace brenmoor::gui {

// The modeless notice window of the value checks: created without a parent,
// centred over the window whose edit raised it, kept on top, and left open
// until the user closes it. The editor never waits for it.
class CWARNING : public QDialog {
    Q_OBJECT

  public:
    // The slave-address notices are the small window with a caption; the
    // buffer-size notice is the larger one without.
    enum class Template { SlaveAddress, BufferSize };

    CWARNING(const QString& text, Template kind);

    QString message() const { return text_; }

    // Creates, centres and shows a notice; it deletes itself when closed.
    // Without `over` it is centred on the screen.
    static CWARNING* showNotice(const QString& text, Template kind, const QWidget* over = nullptr);

  private:
    QString text_;
};

} // namespace brenmoor::gui
