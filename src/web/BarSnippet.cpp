#include "web/BarSnippet.h"

#include "web/HtmlText.h"
#include "web/WebTexts.h"

namespace wendle::web {

namespace {

std::string attribute(const std::string& name, const std::string& utf8) {
    return " " + name + "=\"" + escapeHtml(utf8) + "\"";
}

// What velkbutton.js needs of a button; absent when empty.
std::string scriptData(const WebButton& button) {
    static constexpr const char* kStateNames[] = {"over", "click"};
    std::string data;
    if (button.message >= 0) {
        data += attribute("data-message", std::to_string(button.message));
        data += attribute("data-message-text", button.messageText);
    }
    for (std::size_t n = 0; n < 2; ++n) {
        if (!button.status[n].empty())
            data += attribute(std::string("data-status-") + kStateNames[n], button.status[n]);
        if (!button.sounds[n].empty()) {
            data += attribute(std::string("data-sound-") + kStateNames[n],
                              urlForFileName(button.sounds[n]));
        }
    }
    return data;
}

std::string buttonElement(const WebButton& button) {
    const bool isLink = !button.link.empty();
    std::string line = isLink ? "  <a" : "  <span";
    line += " class=\"wendle-bar__button wendle-bar__b" + std::to_string(button.ordinal) + "\"";
    if (isLink) {
        line += attribute("href", button.link);
        if (!button.frame.empty())
            line += attribute("target", button.frame);
    }
    if (!button.hint.empty())
        line += attribute("title", button.hint);
    line += scriptData(button);
    line += "><span class=\"wendle-bar__text\">" + escapeHtml(button.name) + "</span>";
    line += isLink ? "</a>\n" : "</span>\n";
    return line;
}

}  // namespace

std::string barElement(const WebBar& bar, const std::string& name) {
    std::string html = "<nav class=\"wendle-bar wendle-bar--" + name + "\"" +
                       attribute("aria-label", kNavigationLabel) + ">\n";
    for (const WebButton& button : bar.buttons) html += buttonElement(button);
    if (bar.textBox)
        html += "  <span class=\"wendle-bar__box\" aria-hidden=\"true\"></span>\n";
    html += "</nav>\n";
    html += std::string("<script src=\"") + kPlayerScript + "\" defer></script>\n";
    return html;
}

std::string barSnippet(const WebBar& bar, const std::string& name) {
    return "<link rel=\"stylesheet\" href=\"" + name + ".css\">\n" + barElement(bar, name);
}

}  // namespace wendle::web
