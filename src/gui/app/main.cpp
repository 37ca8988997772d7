#include "gui/app/modbus_config_app.h"

#include "brenmoor_version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brenmoor"));
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationVersion(QStringLiteral(BRENMOOR_VERSION));

    brenmoor::gui::CModbusConfigApp app;
    const int early = app.start(brenmoor::gui::CModbusConfigApp::parse(application.arguments()));
    if (early >= 0)
        return early;
    return QApplication::exec();
}
