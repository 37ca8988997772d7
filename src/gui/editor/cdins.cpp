#include "gui/editor/cdins.h"

#include "core/editor/configuration_editor.h"
#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace brenmoor::gui {

CDIns::CDIns(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(qtext(msg::SelectCommandTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    for (const std::string& entry : ConfigurationEditor::selectCommandEntries())
        list_->addItem(QString::fromStdString(entry));
    list_->setObjectName(QStringLiteral("commandList"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(260, 200);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { emit commandChosen(list_->currentRow()); });
}

} // namespace brenmoor::gui
