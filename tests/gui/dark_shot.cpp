// Draws the window under a dark Fusion palette, for the user guide: the
// main window on a project's subnet page, with Conflict Detection over it.
//
//   dark_shot PROJECT.chg OUT.png
#include "dark_palette.h"
#include "gui_test_support.h"

#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/mapping/cdtest.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>

using namespace brenmoor;
using namespace brenmoor::gui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: dark_shot PROJECT.chg OUT.png\n");
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(test::darkFusionPalette());

    CMainFrame frame(std::make_unique<test::ScriptedFileDialogs>());
    frame.document().project().device = makeNewProject().device;
    if (!frame.document().openDocument(args[0]))
        return 1;
    frame.view().selectItem(findSubnetRoot(frame.view().editor().tree()));
    frame.resize(1440, 778);
    frame.show();
    application.processEvents();

    MappingState state;
    CDTest conflicts(frame.document().project(), state, &frame);
    conflicts.show();
    application.processEvents();

    // The dialog as it would sit over the window, lower right.
    QPixmap shot = frame.grab();
    QPainter painter(&shot);
    const QPixmap dialog = conflicts.grab();
    const QRect place(shot.width() - dialog.width() - 40, shot.height() - dialog.height() - 40,
                      dialog.width(), dialog.height());
    painter.drawPixmap(place.topLeft(), dialog);
    // The window frame a desktop would draw around it.
    painter.setPen(QPen(test::darkFusionPalette().color(QPalette::Highlight), 2));
    painter.drawRect(place.adjusted(-1, -1, 0, 0));
    painter.end();
    if (!shot.save(args[1])) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
