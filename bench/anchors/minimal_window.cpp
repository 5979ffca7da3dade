// The least a Qt Widgets program does to show a window: an application, a
// main window holding a label, shown; it quits once the label has been
// painted. The anchor of the editor's start-up.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace {

class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* label = new QLabel(QStringLiteral("Hello"), &window);
    window.setCentralWidget(label);
    QuitAfterPaint quitter;
    label->installEventFilter(&quitter);
    window.show();
    return application.exec();
}
