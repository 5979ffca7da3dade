#include "editor/ButtonClipboardMime.h"

#include <QMimeData>

#include "document/ButtonClipboard.h"
#include "editor/Encoding.h"

namespace wendle {

QMimeData* buttonsMimeData(const std::vector<ButtonValues>& buttons) {
    const document::ButtonClipping clipping = document::clipButtons(buttons);
    auto* data = new QMimeData;
    data->setData(kButtonsMimeType,
                  QByteArray(clipping.records.data(), qsizetype(clipping.records.size())));
    data->setText(toQString(clipping.htmlLines));
    return data;
}

std::optional<std::vector<ButtonValues>> buttonsFromMimeData(const QMimeData* data) {
    if (!data || !data->hasFormat(kButtonsMimeType))
        return std::nullopt;
    const QByteArray records = data->data(kButtonsMimeType);
    return document::readClippedButtons(std::string_view(records.constData(), records.size()));
}

}  // namespace wendle
