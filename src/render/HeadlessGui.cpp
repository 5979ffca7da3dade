#include "render/HeadlessGui.h"

#include <QGuiApplication>

namespace wendle {

namespace {
int argumentCount = 1;
char programName[] = "wendle";
char* arguments[] = {programName, nullptr};
}  // namespace

HeadlessGui::HeadlessGui() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace wendle
