#include "gui/app/about_dialog.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"
#include "gui/app/program_files.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace brenmoor::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtext(msg::AboutTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    const QString logoFile = programFile(QStringLiteral("KestrinCompany.png"));
    if (!logoFile.isEmpty())
        logo->setPixmap(QPixmap(logoFile));
    logo->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(qtext(msg::AboutProduct), this);
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    auto* link = new QLabel(this);
    const QString url = qtext(msg::AboutLink);
    link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(new QLabel(qtext(msg::AboutVersion), this));
    text->addWidget(new QLabel(qtext(msg::AboutContact), this));
    text->addWidget(link);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(qtext(msg::ButtonClose), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

} // namespace brenmoor::gui
