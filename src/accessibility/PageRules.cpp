// text-box-contrast and alt-html-contrast: flat colours, measured directly.
#include <algorithm>
#include <cctype>

#include "accessibility/Contrast.h"
#include "accessibility/Rules.h"
#include "model/FontTables.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

namespace {

bool anyMessage(const TVelkForm& applet) {
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel* panel = applet.statePanel(state, slot);
            if (panel && !panel->textBoxText().empty())
                return true;
        }
    }
    return false;
}

// What the alternative HTML holds: links (a elements) and text outside them.
struct HtmlContent {
    bool links = false;
    bool text = false;
};

HtmlContent contentOf(const std::string& html) {
    HtmlContent content;
    int depth = 0;  // inside how many a elements
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            const std::size_t end = html.find('>', i);
            std::string tag =
                html.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            std::transform(tag.begin(), tag.end(), tag.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
            const bool opening = tag.size() >= 1 && tag[0] == 'a' &&
                                 (tag.size() == 1 || std::isspace((unsigned char)tag[1]));
            const bool closing =
                tag.rfind("/a", 0) == 0 && (tag.size() == 2 || std::isspace((unsigned char)tag[2]));
            if (opening) {
                ++depth;
                content.links = true;
            } else if (closing && depth > 0) {
                --depth;
            }
            if (end == std::string::npos)
                break;
            i = end;
        } else if (depth == 0 && !std::isspace(static_cast<unsigned char>(html[i]))) {
            content.text = true;
        }
    }
    return content;
}

}  // namespace

void checkTextBox(const TVelkForm& applet, std::vector<Finding>& out) {
    // A hidden text box, or one no button writes to, shows no text.
    if (!applet.textBoxVisible() || !anyMessage(applet))
        return;
    const Colour text = applet.textBoxTextColor(), background = applet.textBoxBkColor();
    const int points =
        previewPointSize(applet.textBoxFontSize()).value_or(applet.textBox().pointSize);
    const double threshold = textContrastThreshold(points, applet.textBoxFontStyle() == 2);
    const double ratio = contrastRatio(text, background);
    if (ratio >= threshold)
        return;
    Finding finding;
    finding.rule = Rule::TextBoxContrast;
    finding.severity = ruleInfo(finding.rule).severity;
    finding.subject = Subject::TextBox;
    finding.measured = ratio;
    finding.threshold = threshold;
    Edit edit;
    edit.property = Edit::Property::TextBoxTextColor;
    edit.colour = blackOrWhiteAgainst(background);
    if (edit.colour != text)
        finding.fix = Fix{{edit}};
    out.push_back(std::move(finding));
}

void checkAlternativeHtml(const TVelkForm& applet, const document::PageColours& page,
                          std::vector<Finding>& out) {
    const HtmlContent content = contentOf(applet.altHTML());
    auto check = [&](bool present, PageText which, Colour colour) {
        if (!present)
            return;
        const double ratio = contrastRatio(colour, page.background);
        if (ratio >= kTextContrast)
            return;
        Finding finding;
        finding.rule = Rule::AltHtmlContrast;
        finding.severity = ruleInfo(finding.rule).severity;
        finding.subject = Subject::AlternativeHtml;
        finding.pageText = which;
        finding.measured = ratio;
        finding.threshold = kTextContrast;
        out.push_back(std::move(finding));
    };
    check(content.text, PageText::Text, page.text);
    check(content.links, PageText::Link, page.link);
    check(content.links, PageText::VisitedLink, page.visitedLink);
}

}  // namespace wendle::accessibility
