#pragma once

#include <QWidget>

class QTextBrowser;

namespace brenmoor::gui {

// The program's own HTML help, for systems without the compiled help file.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(const QString& indexFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

// Help "Content": the compiled help file beside the program when there is
// one, else the HTML help; nothing is reported when neither exists. Returns
// the window it opened, if any.
HelpWindow* openHelp(QWidget* parent);

} // namespace brenmoor::gui
