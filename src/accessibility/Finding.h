#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Colour.h"

namespace wendle::accessibility {

enum class Severity { Error, Warning };

enum class Rule {
    CaptionContrast,
    StateContrast,
    TargetSize,
    Name,
    Link,
    HoverSound,
    AltHtmlContrast,
    TextBoxContrast,
};

struct RuleInfo {
    const char* id;         // short id, as in "caption-contrast"
    const char* criterion;  // the WCAG 2.2 success criterion, as in "1.4.3"
    Severity severity;
};
const RuleInfo& ruleInfo(Rule rule);

// One change to the applet that a fix makes. Each is one property of one
// button state (or of the text box), so the editor can apply and undo it.
struct Edit {
    enum class Property {
        FontColor,         // colour: the caption colour of (slot, state)
        Size,              // width, height: all three states of slot
        HintText,          // text: the hint of (slot, state)
        TextBoxTextColor,  // colour: the text box's text colour
    };
    Property property = Property::FontColor;
    int slot = -1;
    int state = 0;
    Colour colour = 0;
    int width = 0;
    int height = 0;
    std::string text;  // Windows-1252, as the model keeps texts
    bool operator==(const Edit&) const = default;
};

struct Fix {
    std::vector<Edit> edits;
};

// What a finding is about.
enum class Subject { Button, TextBox, AlternativeHtml };

// Which colour of the alternative HTML a finding measures.
enum class PageText { Text, Link, VisitedLink };

struct Finding {
    Rule rule = Rule::CaptionContrast;
    Severity severity = Severity::Error;
    Subject subject = Subject::Button;
    int slot = -1;         // the button's slot, for Subject::Button
    int ordinal = -1;      // its place in the button list
    std::string caption;   // its caption in the state concerned (Windows-1252)
    int state = 0;         // 1..3; 0 when no state is concerned
    double measured = 0;   // a contrast ratio, or for target-size the smaller side
    double threshold = 0;  // the same unit as measured
    int width = 0;         // target-size: the button's size
    int height = 0;
    PageText pageText = PageText::Text;  // alt-html-contrast only
    std::optional<Fix> fix;
};

bool hasErrors(const std::vector<Finding>& findings);

}  // namespace wendle::accessibility
