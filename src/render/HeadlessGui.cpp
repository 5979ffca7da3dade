#include "render/HeadlessGui.h"

#include <QDir>
#include <QGuiApplication>

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
}  // namespace

void HeadlessGui::usePluginFolder(const std::string& folder) {
    pluginFolder() = folder;
}

HeadlessGui::HeadlessGui() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!pluginFolder().empty() && qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString folder = QString::fromStdString(pluginFolder());
        if (holdsPlatformPlugins(folder))
            QCoreApplication::setLibraryPaths({folder});
    }
    application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace wendle
