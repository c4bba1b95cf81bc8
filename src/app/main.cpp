#include "app/mainwindow.h"
#include "app/translations.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero"));
    QApplication::setApplicationDisplayName(QStringLiteral("Talvero"));
    QApplication::setOrganizationName(QStringLiteral("Quellwerk"));
    QApplication::setDesktopFileName(QStringLiteral("talvero"));
    talvero::Deutsche_Uebersetzung_installieren(app);

    talvero::TMyWindow window;
    window.show();
    QTimer::singleShot(0, &window, &talvero::TMyWindow::FormShow);
    return app.exec();
}
