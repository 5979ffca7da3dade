// The lines wendle-cli check prints and the JSON it writes.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "accessibility/FindingText.h"

namespace wendle::accessibility {
namespace {

Finding onButton(Rule rule, int slot, const std::string& caption, int state) {
    Finding f;
    f.rule = rule;
    f.severity = ruleInfo(rule).severity;
    f.subject = Subject::Button;
    f.slot = slot;
    f.ordinal = slot;
    f.caption = caption;
    f.state = state;
    return f;
}

TEST(FindingText, OneLinePerFinding) {
    Finding contrast = onButton(Rule::CaptionContrast, 2, "Shop", 2);
    contrast.measured = 2.1049;
    contrast.threshold = 4.5;
    Finding size = onButton(Rule::TargetSize, 0, "Two\r\nlines", 1);
    size.width = 23;
    size.height = 24;
    size.measured = 23;
    size.threshold = 24;
    Finding state = onButton(Rule::StateContrast, 4, "Caf\xE9", 3);
    state.measured = 1.17;
    state.threshold = 3;
    Finding box;
    box.rule = Rule::TextBoxContrast;
    box.subject = Subject::TextBox;
    box.measured = 3.2;
    box.threshold = 4.5;
    Finding page;
    page.rule = Rule::AltHtmlContrast;
    page.subject = Subject::AlternativeHtml;
    page.pageText = PageText::Link;
    page.measured = 2.2346;
    page.threshold = 4.5;

    struct Case {
        Finding finding;
        const char* line;
    };
    const Case cases[] = {
        {contrast, "Button 3 \"Shop\", state 2: caption contrast 2.1:1 (needs 4.5:1, WCAG 1.4.3)"},
        {size,
         "Button 1 \"Two lines\", state 1: target size 23x24 px (needs 24x24 px or a 24-px "
         "circle clear of other buttons, WCAG 2.5.8)"},
        {state,
         "Button 5 \"Caf\xC3\xA9\", state 3: warning: told from state 1 by colour only, "
         "luminance 1.17:1 (needs 3:1 or a change of border, caption or picture, WCAG 1.4.11)"},
        {onButton(Rule::Name, 0, "", 1),
         "Button 1 \"\", state 1: no name: empty caption and no hint (WCAG 4.1.2)"},
        {onButton(Rule::Link, 1, "News", 1),
         "Button 2 \"News\", state 1: warning: no link, while the other buttons have one (WCAG "
         "2.4.4)"},
        {onButton(Rule::HoverSound, 1, "News", 2),
         "Button 2 \"News\", state 2: warning: sound on mouse over plays only after a click or key "
         "press on today's web (WCAG 1.4.2)"},
        {box, "Text box: message contrast 3.2:1 (needs 4.5:1, WCAG 1.4.3)"},
        {page, "Alternative HTML: link contrast 2.23:1 (needs 4.5:1, WCAG 1.4.3)"},
    };
    for (const Case& c : cases) EXPECT_EQ(findingLine(c.finding), c.line);
}

TEST(FindingText, JsonCarriesFiguresAndFixes) {
    Finding contrast = onButton(Rule::CaptionContrast, 2, "Caf\xE9 \"Bar\"", 2);
    contrast.measured = 2.1049;
    contrast.threshold = 4.5;
    Edit edit;
    edit.property = Edit::Property::FontColor;
    edit.slot = 2;
    edit.state = 2;
    edit.colour = rgb(255, 255, 255);
    contrast.fix = Fix{{edit}};
    const Finding sound = onButton(Rule::HoverSound, 0, "Home", 2);

    const std::string json = findingsJson({contrast, sound});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    const QJsonObject root = document.object();
    EXPECT_EQ(root["errors"].toInt(), 1);
    EXPECT_EQ(root["warnings"].toInt(), 1);
    const QJsonArray findings = root["findings"].toArray();
    ASSERT_EQ(findings.size(), 2);
    const QJsonObject first = findings[0].toObject();
    EXPECT_EQ(first["rule"].toString(), "caption-contrast");
    EXPECT_EQ(first["wcag"].toString(), "1.4.3");
    EXPECT_EQ(first["severity"].toString(), "error");
    EXPECT_EQ(first["slot"].toInt(), 2);
    EXPECT_EQ(first["state"].toInt(), 2);
    EXPECT_EQ(first["caption"].toString(), QString::fromUtf8("Caf\xC3\xA9 \"Bar\""));
    EXPECT_NEAR(first["measured"].toDouble(), 2.105, 0.001);
    EXPECT_EQ(first["threshold"].toDouble(), 4.5);
    const QJsonObject fixEdit = first["fix"].toObject()["edits"].toArray()[0].toObject();
    EXPECT_EQ(fixEdit["property"].toString(), "fontColor");
    EXPECT_EQ(fixEdit["value"].toString(), "#FFFFFF");
    const QJsonObject second = findings[1].toObject();
    EXPECT_EQ(second["severity"].toString(), "warning");
    EXPECT_FALSE(second.contains("fix"));

    const QJsonDocument none = QJsonDocument::fromJson(QByteArray::fromStdString(findingsJson({})));
    EXPECT_EQ(none.object()["findings"].toArray().size(), 0);
}

}  // namespace
}  // namespace wendle::accessibility
