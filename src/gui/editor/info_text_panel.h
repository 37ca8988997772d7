#pragma once

#include "core/editor/info_panel.h"

#include <QPlainTextEdit>

class QTabWidget;

namespace brenmoor::gui {

// The "Info" tab of the bottom bar, where the pages write their hints.
class InfoTextPanel : public QPlainTextEdit, public InfoPanel {
    Q_OBJECT

  public:
    explicit InfoTextPanel(QWidget* parent = nullptr);

    // The tab widget that holds the panel, brought to this tab on request.
    void setTabs(QTabWidget* tabs) { tabs_ = tabs; }

    void setText(std::string_view text) override;
    void bringToFront() override;

  private:
    QTabWidget* tabs_ = nullptr;
};

} // namespace brenmoor::gui
