#include "render/qt/HeadlessGui.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include "render/qt/QtText.h"

namespace wendle {

namespace {
int argumentCount = 1;
char programName[] = "wendle";
char* arguments[] = {programName, nullptr};

std::string& pluginFolder() {
    static std::string folder;
    return folder;
}

bool holdsPlatformPlugins(const QString& folder) {
    return !QDir(folder + QStringLiteral("/platforms")).isEmpty(QDir::Files);
}

// A headless start outside a desktop session (a script, a build, a service)
// has no per-user runtime folder, and the GUI library says so on every
// start although nothing headless needs one. Only that message is dropped.
QtMessageHandler passedOn = nullptr;

void dropNoRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    passedOn(type, context, message);
}
}  // namespace

void HeadlessGui::usePluginFolder(const std::string& folder) {
    pluginFolder() = folder;
}

void HeadlessGui::fillFontDatabase() {
    QFontDatabase::families();
}

HeadlessGui::HeadlessGui() {
    installQtTextEngine();
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!pluginFolder().empty() && qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString folder = QString::fromStdString(pluginFolder());
        if (holdsPlatformPlugins(folder))
            QCoreApplication::setLibraryPaths({folder});
    }
    passedOn = qInstallMessageHandler(dropNoRuntimeFolder);
    application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
    qInstallMessageHandler(passedOn);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace wendle
