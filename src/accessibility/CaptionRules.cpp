// caption-contrast and state-contrast: measured on the drawn faces.
#include <cmath>

#include "accessibility/CaptionContrast.h"
#include "accessibility/Contrast.h"
#include "accessibility/Rules.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

double textContrastThreshold(int pointSize, bool bold) {
    const bool large = pointSize >= kLargePoints || (bold && pointSize >= kLargeBoldPoints);
    return large ? kLargeTextContrast : kTextContrast;
}

Finding buttonFinding(Rule rule, const TVelkPanel& panel, int ordinal) {
    Finding finding;
    finding.rule = rule;
    finding.severity = ruleInfo(rule).severity;
    finding.subject = Subject::Button;
    finding.slot = panel.tag();
    finding.ordinal = ordinal;
    finding.caption = panel.caption();
    finding.state = panel.state();
    return finding;
}

void checkCaptionContrast(const ButtonFaces& button, std::vector<Finding>& out) {
    for (std::size_t i = 0; i < button.panels.size(); ++i) {
        const TVelkPanel& panel = *button.panels[i];
        const FaceSnapshot& face = button.snapshots[i];
        const auto contrast =
            measureCaptionContrast(face.face, face.captioned, face.ink, face.region);
        if (!contrast)
            continue;
        const double threshold = textContrastThreshold(face.pointSize, face.bold);
        if (contrast->worst >= threshold)
            continue;
        Finding finding = buttonFinding(Rule::CaptionContrast, panel, button.ordinal);
        finding.measured = contrast->worst;
        finding.threshold = threshold;
        const bool black = contrast->blackWorst >= contrast->whiteWorst;
        const Colour better = black ? rgb(0, 0, 0) : rgb(255, 255, 255);
        if (better != panel.fontColor() &&
            std::max(contrast->blackWorst, contrast->whiteWorst) > contrast->worst) {
            Edit edit;
            edit.property = Edit::Property::FontColor;
            edit.slot = panel.tag();
            edit.state = panel.state();
            edit.colour = better;
            finding.fix = Fix{{edit}};
        }
        out.push_back(std::move(finding));
    }
}

namespace {

bool borderDiffers(const TVelkPanel& a, const TVelkPanel& b) {
    return a.borderStyle() != b.borderStyle() || a.raised() != b.raised() ||
           a.borderWidth() != b.borderWidth() || a.showHighlight() != b.showHighlight() ||
           contrastRatio(a.borderColor(), b.borderColor()) >= kStateContrast;
}

bool captionDiffers(const TVelkPanel& a, const TVelkPanel& b) {
    return a.caption() != b.caption() || a.fontName() != b.fontName() ||
           a.fontSize() != b.fontSize() || a.fontStyle() != b.fontStyle() ||
           a.fontAlignment() != b.fontAlignment() || a.fontShadow() != b.fontShadow() ||
           contrastRatio(a.fontColor(), b.fontColor()) >= kStateContrast;
}

bool pictureDiffers(const TVelkPanel& a, const TVelkPanel& b) {
    const bool shownA = !a.imageName().empty() && !a.transparentBk();
    const bool shownB = !b.imageName().empty() && !b.transparentBk();
    if (shownA != shownB)
        return true;
    return shownA && (a.imageName() != b.imageName() || a.imageStyle() != b.imageStyle() ||
                      a.imageX() != b.imageX() || a.imageY() != b.imageY());
}

bool samePixels(const FaceSnapshot& a, const FaceSnapshot& b) {
    if (a.region != b.region)
        return false;
    for (int y = a.region.top; y < a.region.bottom; ++y) {
        for (int x = a.region.left; x < a.region.right; ++x) {
            if (a.captioned.pixel(x, y) != b.captioned.pixel(x, y))
                return false;
        }
    }
    return true;
}

}  // namespace

void checkStateContrast(const ButtonFaces& button, std::vector<Finding>& out) {
    const TVelkPanel& first = *button.panels[0];
    const double firstLuminance = meanLuminance(button.snapshots[0]);
    for (std::size_t i = 1; i < button.panels.size(); ++i) {
        const TVelkPanel& panel = *button.panels[i];
        // A state that looks the same asks nothing of anyone.
        if (samePixels(button.snapshots[0], button.snapshots[i]))
            continue;
        if (borderDiffers(first, panel) || captionDiffers(first, panel) ||
            pictureDiffers(first, panel))
            continue;
        const double ratio = contrastRatio(firstLuminance, meanLuminance(button.snapshots[i]));
        if (ratio >= kStateContrast)
            continue;
        Finding finding = buttonFinding(Rule::StateContrast, panel, button.ordinal);
        finding.measured = ratio;
        finding.threshold = kStateContrast;
        out.push_back(std::move(finding));
    }
}

}  // namespace wendle::accessibility
