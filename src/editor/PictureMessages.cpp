#include "editor/PictureMessages.h"

#include <QFile>
#include <QMetaObject>

#include "editor/UserDialogs.h"

namespace wendle {

PictureMessages::PictureMessages(UserDialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {}

void PictureMessages::note(const LoadImageReport& report) {
    if (!report.worthTelling())
        return;
    const QString message = QFile::decodeName(report.message.c_str());
    if (gathered_.contains(message))
        return;
    gathered_ << message;
    if (gathered_.size() == 1)
        QMetaObject::invokeMethod(this, &PictureMessages::showGathered, Qt::QueuedConnection);
}

void PictureMessages::showGathered() {
    const QString text = gathered_.join('\n');
    gathered_.clear();
    if (!text.isEmpty())
        dialogs_.showMessage(text);
}

bool refuseChosenPicture(UserDialogs& dialogs, const QString& path) {
    const std::string problem = chosenPictureProblem(QFile::encodeName(path).toStdString());
    if (problem.empty())
        return false;
    dialogs.showMessage(QFile::decodeName(problem.c_str()));
    return true;
}

}  // namespace wendle
