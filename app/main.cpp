#include <QApplication>
#include <QStringList>

#include "editor/AppletView.h"
#include "editor/FirstPaintExit.h"
#include "editor/Preview.h"
#include "editor/QtUserDialogs.h"
#include "editor/main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wendle");

    const QString programFolder = QCoreApplication::applicationDirPath() + "/";
    wendle::TmainWindow* window = nullptr;
    wendle::QtUserDialogs dialogs(nullptr);
    wendle::TmainWindow mainWindow(dialogs, programFolder);
    window = &mainWindow;

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window->startUp(arguments);
    window->showCentred();
    wendle::FirstPaintExit::watchIfAsked({window->centralWidget(), window->preview()->view()});
    return app.exec();
}
