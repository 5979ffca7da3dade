#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "render/LoadImage.h"

namespace wendle {

class UserDialogs;

// Tells the user about pictures refused by a limit. Opening a document may
// refuse the same file for many faces, in the middle of the read: the
// messages are gathered and shown in one box, once, after the event that
// loaded them is handled.
class PictureMessages : public QObject {
  public:
    PictureMessages(UserDialogs& dialogs, QObject* parent);

    void note(const LoadImageReport& report);

  private:
    void showGathered();

    UserDialogs& dialogs_;
    QStringList gathered_;
};

// For a file the user chose as a button or background image: when it exists
// but cannot be a picture, says why and returns true, and the caller leaves
// everything as it was.
bool refuseChosenPicture(UserDialogs& dialogs, const QString& path);

}  // namespace wendle
