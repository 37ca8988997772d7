#pragma once

#include <QDialog>

namespace brenmoor::gui {

// "About Software Brenmoor": product, version, the maker's contact lines and
// link, and the logo from the program's folder.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace brenmoor::gui
