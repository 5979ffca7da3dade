#include "accessibility/FindingText.h"

#include <cstdio>

#include "accessibility/Contrast.h"
#include "accessibility/Messages.h"
#include "render/Windows1252.h"

namespace wendle::accessibility {

namespace {

namespace m = messages;

// A caption on one line: its line breaks become blanks.
std::string oneLine(const std::string& caption) {
    std::string text;
    for (char c : caption) {
        if (c == '\r')
            continue;
        text += c == '\n' ? ' ' : c;
    }
    return windows1252ToUtf8(text);
}

std::string needs(const Finding& f, const std::string& figure, const std::string& extra = {}) {
    return " (" + std::string(m::kNeeds) + " " + figure + (extra.empty() ? "" : " " + extra) +
           ", WCAG " + ruleInfo(f.rule).criterion + ")";
}

std::string ratio(double value) {
    return ratioText(value) + ":1";
}

std::string pageTextName(PageText which) {
    switch (which) {
        case PageText::Text:
            return m::kTextContrast;
        case PageText::Link:
            return m::kLinkContrast;
        case PageText::VisitedLink:
            return m::kVisitedContrast;
    }
    return {};
}

std::string describe(const Finding& f) {
    const std::string criterion = std::string(" (WCAG ") + ruleInfo(f.rule).criterion + ")";
    switch (f.rule) {
        case Rule::CaptionContrast:
            return std::string(m::kCaptionContrast) + " " + ratio(f.measured) +
                   needs(f, ratio(f.threshold));
        case Rule::StateContrast:
            return std::string(m::kStateContrast) + " " + ratio(f.measured) +
                   needs(f, ratio(f.threshold), m::kStateContrastNeeds);
        case Rule::TargetSize: {
            const std::string minimum =
                std::to_string(int(f.threshold)) + "x" + std::to_string(int(f.threshold)) + " px";
            return std::string(m::kTargetSize) + " " + std::to_string(f.width) + "x" +
                   std::to_string(f.height) + " px" + needs(f, minimum, m::kTargetSizeNeeds);
        }
        case Rule::Name:
            return m::kName + criterion;
        case Rule::Link:
            return m::kLink + criterion;
        case Rule::HoverSound:
            return m::kHoverSound + criterion;
        case Rule::TextBoxContrast:
            return std::string(m::kMessageContrast) + " " + ratio(f.measured) +
                   needs(f, ratio(f.threshold));
        case Rule::AltHtmlContrast:
            return pageTextName(f.pageText) + " " + ratio(f.measured) +
                   needs(f, ratio(f.threshold));
    }
    return {};
}

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

std::string hexColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return text;
}

std::string editJson(const Edit& edit) {
    using P = Edit::Property;
    std::string out = "{";
    switch (edit.property) {
        case P::FontColor:
            out += "\"property\":\"fontColor\",\"slot\":" + std::to_string(edit.slot) +
                   ",\"state\":" + std::to_string(edit.state) +
                   ",\"value\":" + jsonString(hexColour(edit.colour));
            break;
        case P::Size:
            out += "\"property\":\"size\",\"slot\":" + std::to_string(edit.slot) +
                   ",\"width\":" + std::to_string(edit.width) +
                   ",\"height\":" + std::to_string(edit.height);
            break;
        case P::HintText:
            out += "\"property\":\"hintText\",\"slot\":" + std::to_string(edit.slot) +
                   ",\"state\":" + std::to_string(edit.state) +
                   ",\"value\":" + jsonString(windows1252ToUtf8(edit.text));
            break;
        case P::TextBoxTextColor:
            out +=
                "\"property\":\"textBoxTextColor\",\"value\":" + jsonString(hexColour(edit.colour));
            break;
    }
    return out + "}";
}

std::string subjectName(Subject subject) {
    switch (subject) {
        case Subject::Button:
            return "button";
        case Subject::TextBox:
            return "text box";
        case Subject::AlternativeHtml:
            return "alternative HTML";
    }
    return {};
}

}  // namespace

std::string subjectText(const Finding& f) {
    switch (f.subject) {
        case Subject::Button:
            return std::string(m::kButton) + " " + std::to_string(f.slot + 1) + " \"" +
                   oneLine(f.caption) + "\", " + m::kState + " " + std::to_string(f.state);
        case Subject::TextBox:
            return m::kTextBox;
        case Subject::AlternativeHtml:
            return m::kAlternativeHtml;
    }
    return {};
}

std::string problemText(const Finding& f) {
    const std::string prefix =
        f.severity == Severity::Warning ? std::string(m::kWarning) + ": " : std::string();
    return prefix + describe(f);
}

std::string findingLine(const Finding& f) {
    return subjectText(f) + ": " + problemText(f);
}

std::string fixText(const Finding& f) {
    if (!f.fix || f.fix->edits.empty())
        return {};
    const Edit& edit = f.fix->edits.front();
    switch (edit.property) {
        case Edit::Property::FontColor:
            return edit.colour == rgb(0, 0, 0) ? m::kFixCaptionBlack : m::kFixCaptionWhite;
        case Edit::Property::Size:
            return std::string(m::kFixSize) + " " + std::to_string(edit.width) + "x" +
                   std::to_string(edit.height) + " px";
        case Edit::Property::HintText:
            return std::string(m::kFixHint) + " \"" + windows1252ToUtf8(edit.text) + "\"";
        case Edit::Property::TextBoxTextColor:
            return edit.colour == rgb(0, 0, 0) ? m::kFixTextBoxBlack : m::kFixTextBoxWhite;
    }
    return {};
}

std::string findingsJson(const std::vector<Finding>& findings) {
    int errors = 0, warnings = 0;
    std::string list;
    for (const Finding& f : findings) {
        (f.severity == Severity::Error ? errors : warnings) += 1;
        const RuleInfo& info = ruleInfo(f.rule);
        std::string item =
            "{\"rule\":" + jsonString(info.id) + ",\"wcag\":" + jsonString(info.criterion) +
            ",\"severity\":" + jsonString(f.severity == Severity::Error ? "error" : "warning") +
            ",\"subject\":" + jsonString(subjectName(f.subject));
        if (f.subject == Subject::Button) {
            item += ",\"slot\":" + std::to_string(f.slot) +
                    ",\"ordinal\":" + std::to_string(f.ordinal) +
                    ",\"caption\":" + jsonString(windows1252ToUtf8(f.caption)) +
                    ",\"state\":" + std::to_string(f.state);
        }
        if (f.rule == Rule::TargetSize) {
            item +=
                ",\"width\":" + std::to_string(f.width) + ",\"height\":" + std::to_string(f.height);
        }
        if (f.threshold > 0) {
            item += ",\"measured\":" + jsonNumber(f.measured) +
                    ",\"threshold\":" + jsonNumber(f.threshold);
        }
        item += ",\"text\":" + jsonString(findingLine(f));
        if (f.fix && !f.fix->edits.empty()) {
            item += ",\"fix\":{\"description\":" + jsonString(fixText(f)) + ",\"edits\":[";
            for (std::size_t i = 0; i < f.fix->edits.size(); ++i)
                item += (i ? "," : "") + editJson(f.fix->edits[i]);
            item += "]}";
        }
        item += "}";
        list += (list.empty() ? "\n    " : ",\n    ") + item;
    }
    return "{\n  \"errors\": " + std::to_string(errors) +
           ",\n  \"warnings\": " + std::to_string(warnings) + ",\n  \"findings\": [" + list +
           (list.empty() ? "]" : "\n  ]") + "\n}\n";
}

}  // namespace wendle::accessibility
