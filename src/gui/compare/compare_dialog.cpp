#include "gui/compare/compare_dialog.h"

#include "core/resources/messages_compare.h"
#include "core/resources/messages_history.h"
#include "gui/app/gui_text.h"
#include "gui/compare/difference_table_model.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace brenmoor::gui {

namespace {
constexpr QSize kDialogSize(860, 480);
constexpr QSize kSameSize(420, 120);
} // namespace

CompareDialog::CompareDialog(std::vector<ConfigDifference> differences, const QString& otherName,
                             bool againstGateway, QWidget* parent)
    : QDialog(parent),
      model_(new DifferenceTableModel(std::move(differences), otherName, againstGateway, this)),
      summary_(new QLabel(this)), table_(new QTableView(this)) {
    setWindowTitle(qtext(msg::CompareTitle));
    setObjectName(QStringLiteral("compareDialog"));

    auto* heading =
        new QLabel(qtext(formatMessage(msg::CompareHeading, otherName.toStdString())), this);
    heading->setObjectName(QStringLiteral("compareHeading"));
    summary_->setObjectName(QStringLiteral("compareSummary"));

    table_->setObjectName(QStringLiteral("compareTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(qtext(msg::CompareClose), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    // The table is for reading; the keyboard's first stop is Close.
    close->setFocus();
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(summary_);
    if (againstGateway) {
        everyField_ = new QCheckBox(qtext(msg::CompareShowEveryField), this);
        everyField_->setObjectName(QStringLiteral("compareEveryField"));
        layout->addWidget(everyField_);
        connect(everyField_, &QCheckBox::toggled, this, [this](bool every) {
            model_->setShowEveryField(every);
            showRows();
        });
    }
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    showRows();
}

void CompareDialog::showRows() {
    const int count = model_->rowCount();
    summary_->setText(count == 0 ? qtext(msg::CompareEqual)
                                 : qtext(formatMessage(msg::CompareCount, count)));
    table_->resizeColumnsToContents();
    // An empty table under "the same" would only look like a failure.
    table_->setVisible(count > 0);
    resize(count == 0 ? kSameSize : kDialogSize);
}

} // namespace brenmoor::gui
