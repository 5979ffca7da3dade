#include "editor/DocumentCommands.h"

#include <QFile>

#include "document/NewDocument.h"
#include "editor/AppletDocument.h"
#include "model/AppletEdits.h"
#include "model/VelkForm.h"

namespace wendle {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

DocumentCommands::DocumentCommands(TmainWindow& main, AppletDocument& document,
                                   const QString& programFolder)
    : document_(document), host_(main), lifecycle_(host_, localPath(programFolder)) {}

void DocumentCommands::startUp(const QStringList& arguments) {
    resetDocument();
    if (!arguments.isEmpty()) {
        // A path with blanks that the shell split is joined again.
        openPath(arguments.join(' '));
        return;
    }
    // Made through the host, as a New would; the views then show it.
    document::makeStartupDocument(host_);
    document_.reloaded();
}

void DocumentCommands::newDocument() {
    lifecycle_.newDocument();
}

void DocumentCommands::openDocument() {
    readingCommand([this] { lifecycle_.open(); });
}

void DocumentCommands::reopenDocument(const QString& path) {
    readingCommand([&] { lifecycle_.reopen(localPath(path)); });
}

void DocumentCommands::openPath(const QString& path) {
    readingCommand([&] { lifecycle_.openFile(localPath(path)); });
}

void DocumentCommands::openTemplate(int number) {
    readingCommand([&] { lifecycle_.openTemplate(number); });
}

void DocumentCommands::saveDocument() {
    if (lifecycle_.save())
        document_.markSaved();
}

void DocumentCommands::saveDocumentAs() {
    if (lifecycle_.saveAs())
        document_.markSaved();
}

bool DocumentCommands::mayClose() {
    return lifecycle_.close();
}

void DocumentCommands::readingCommand(const std::function<void()>& command) {
    const TVelkForm* before = &document_.applet();
    command();
    // A read that failed left the document, and its undo history, alone. A
    // new one is shown as the read (or the template's reset) left it.
    if (&document_.applet() != before)
        document_.reloaded();
}

void DocumentCommands::resetDocument() {
    installApplet(document::newDocumentApplet());
}

void DocumentCommands::adoptApplet(std::unique_ptr<TVelkForm> applet) {
    installApplet(std::move(applet));
}

void DocumentCommands::installApplet(std::unique_ptr<TVelkForm> applet) {
    // The grid is the editor's, not the document's: it stays as the user
    // set it when the document is replaced.
    keepGrid(*applet, document_.applet());
    document_.replaceApplet(std::move(applet));
}

}  // namespace wendle
