#include "app/mainwindow.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero"));
    QApplication::setApplicationDisplayName(QStringLiteral("Talvero"));
    QApplication::setOrganizationName(QStringLiteral("Quellwerk"));
    QApplication::setDesktopFileName(QStringLiteral("talvero"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/talvero.svg")));
    talvero::Deutsche_Uebersetzung_installieren(app);

    talvero::TMyWindow window;
    window.show();
    return app.exec();
}
