#include "gui/editor/cdins.h"

#include "core/editor/configuration_editor.h"
#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"

#include <QKeyEvent>
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
    list_->installEventFilter(this);
    list_->setFocus();
}

bool CDIns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // As a double-click: nothing while no entry is selected. The
            // dialog stays open for the next one.
            emit commandChosen(list_->selectedItems().isEmpty() ? -1 : list_->currentRow());
            return true;
        }
        // The list opens with nothing selected but its first entry marked
        // as current; the first arrow key selects that entry instead of
        // stepping over it, so the first code can be reached.
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && list_->selectedItems().isEmpty() &&
            list_->currentItem()) {
            list_->currentItem()->setSelected(true);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brenmoor::gui
