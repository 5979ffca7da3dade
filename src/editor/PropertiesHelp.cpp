#include "editor/PropertiesHelp.h"

#include <QToolButton>

#include "editor/PropertiesTexts.h"
#include "editor/main.h"

namespace wendle::props {

QToolButton* makeHelpButton(TmainWindow& main, int topic, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(texts::properties::kHelp);
    button->setToolTip(texts::properties::kHelpHint);
    button->setAutoRaise(true);
    button->setProperty("helpTopic", topic);
    QObject::connect(button, &QToolButton::clicked, button,
                     [&main, topic] { main.openHelpTopic(topic); });
    return button;
}

}  // namespace wendle::props
