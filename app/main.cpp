#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "editor/AppletView.h"
#include "editor/EditorStyle.h"
#include "editor/FirstPaintExit.h"
#include "editor/Preview.h"
#include "editor/QtUserDialogs.h"
#include "editor/main.h"
#include "render/FontConfigWarmUp.h"
#include "render/qt/QtText.h"

namespace {

// For runs that drive the editor from outside: a file written every second
// from the interface thread, so a watcher can tell a busy editor from a
// stuck one. Off unless WENDLE_HEARTBEAT names the file.
void startHeartbeat(QApplication& app) {
    const QString path = qEnvironmentVariable("WENDLE_HEARTBEAT");
    if (path.isEmpty())
        return;
    const auto beat = [path] {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("alive\n");
    };
    auto* timer = new QTimer(&app);
    QObject::connect(timer, &QTimer::timeout, &app, beat);
    timer->start(1000);
    beat();
}

}  // namespace

int main(int argc, char** argv) {
    // The font configuration is read on the second core while the
    // application connects to the display, and is ready before the first
    // window measures text.
    wendle::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    // Captions in the preview are drawn by the GUI library's own text
    // drawing, as on the display.
    wendle::installQtTextEngine();
    fontConfig.wait();
    QApplication::setApplicationName("Wendle");
    QApplication::setStyle(new wendle::EditorStyle(QApplication::style()->name()));
    startHeartbeat(app);

    const QString programFolder = QCoreApplication::applicationDirPath() + "/";
    wendle::TmainWindow* window = nullptr;
    wendle::QtUserDialogs dialogs(nullptr);
    wendle::TmainWindow mainWindow(dialogs, programFolder);
    window = &mainWindow;

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window->documentCommands().startUp(arguments);
    window->showCentred();
    wendle::FirstPaintExit::watchIfAsked({window->centralWidget(), window->preview()->view()});
    const int status = app.exec();
    // Leaving. Taking the windows and the display connection down one by one
    // waits on the display server and frees what the system frees anyway
    // (7 ms with a new bar, 18 ms with a 99-button one). What the windows
    // write as they go is written now, and the process ends here, unless
    // something copied here (buttons, or text from a field) is on the
    // clipboard: the full way hands it to the desktop's clipboard keeper, so
    // it can still be pasted after the editor has gone.
    mainWindow.saveAllSettings();
    if (!QGuiApplication::clipboard()->ownsClipboard()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
