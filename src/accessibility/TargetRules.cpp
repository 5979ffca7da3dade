// target-size: a button smaller than 24 x 24 passes only when a 24-pixel
// circle centred on it meets no other button and no other small button's
// circle.
#include <algorithm>
#include <cmath>

#include "accessibility/Rules.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

namespace {

struct Target {
    const TVelkPanel* panel;
    int ordinal;
    double cx, cy;  // centre
    bool small;
};

// Distance from (x, y) to the nearest point of the panel's rectangle.
double distanceTo(const TVelkPanel& panel, double x, double y) {
    const double dx =
        std::max({double(panel.left()) - x, 0.0, x - double(panel.left() + panel.width())});
    const double dy =
        std::max({double(panel.top()) - y, 0.0, y - double(panel.top() + panel.height())});
    return std::hypot(dx, dy);
}

}  // namespace

void checkTargetSizes(const TVelkForm& applet, std::vector<Finding>& out) {
    std::vector<Target> targets;
    const auto& used = applet.usedSlots();
    for (std::size_t n = 0; n < used.size(); ++n) {
        const TVelkPanel* panel = applet.statePanel(1, used[n]);
        if (!panel)
            continue;
        targets.push_back(
            Target{panel, int(n), panel->left() + panel->width() / 2.0,
                   panel->top() + panel->height() / 2.0,
                   panel->width() < kMinimumTarget || panel->height() < kMinimumTarget});
    }
    const double radius = kMinimumTarget / 2.0;
    for (const Target& target : targets) {
        if (!target.small)
            continue;
        const bool crowded = std::any_of(targets.begin(), targets.end(), [&](const Target& other) {
            if (&other == &target)
                return false;
            if (distanceTo(*other.panel, target.cx, target.cy) < radius)
                return true;
            return other.small &&
                   std::hypot(other.cx - target.cx, other.cy - target.cy) < 2 * radius;
        });
        if (!crowded)
            continue;
        const TVelkPanel& panel = *target.panel;
        Finding finding = buttonFinding(Rule::TargetSize, panel, target.ordinal);
        finding.width = panel.width();
        finding.height = panel.height();
        finding.measured = std::min(panel.width(), panel.height());
        finding.threshold = kMinimumTarget;
        Edit edit;
        edit.property = Edit::Property::Size;
        edit.slot = panel.tag();
        edit.state = 1;
        edit.width = std::max(panel.width(), kMinimumTarget);
        edit.height = std::max(panel.height(), kMinimumTarget);
        finding.fix = Fix{{edit}};
        out.push_back(std::move(finding));
    }
}

}  // namespace wendle::accessibility
