#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QString>

#include "model/AppletHTML.h"
#include "model/VelkForm.h"

// Until the editor's windows exist, the main window shows the HTML block of
// the start-up applet.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wendle");

    wendle::TVelkForm applet;
    for (int i = 0; i < 4; ++i) applet.CreateMenuItem();
    applet.setClientSize(105, 156);

    QMainWindow window;
    window.setWindowTitle("Wendle");
    auto* html = new QPlainTextEdit(&window);
    html->setObjectName("htmlBox");
    html->setReadOnly(true);
    html->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const auto& line : wendle::buildAppletHTML(applet)) {
        html->appendPlainText(QString::fromLatin1(line.c_str()));
    }
    window.setCentralWidget(html);
    window.resize(800, 500);
    window.show();
    return app.exec();
}
