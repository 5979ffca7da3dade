#include "editor/WindowTitle.h"

#include <QFile>
#include <QFileInfo>

#include "editor/EditTexts.h"
#include "editor/Texts.h"

namespace wendle {

QString documentWindowTitle(const std::string& documentPath) {
    const QString name = documentPath.empty()
                             ? QString(texts::edit::kUntitled)
                             : QFileInfo(QFile::decodeName(documentPath.c_str())).fileName();
    return QString("%1[*] \u2014 %2").arg(name, texts::kAppTitle);
}

}  // namespace wendle
