#include "accessibility/Finding.h"

#include <algorithm>
#include <array>

namespace wendle::accessibility {

const RuleInfo& ruleInfo(Rule rule) {
    // In the order of Rule. A hover state or a missing link is a nuisance,
    // not a barrier: the player draws its own focus ring, so telling the
    // states apart is never needed to use the bar.
    static const std::array<RuleInfo, 8> kRules = {{
        {"caption-contrast", "1.4.3", Severity::Error},
        {"state-contrast", "1.4.11", Severity::Warning},
        {"target-size", "2.5.8", Severity::Error},
        {"name", "4.1.2", Severity::Error},
        {"link", "2.4.4", Severity::Warning},
        {"hover-sound", "1.4.2", Severity::Warning},
        {"alt-html-contrast", "1.4.3", Severity::Error},
        {"text-box-contrast", "1.4.3", Severity::Error},
    }};
    return kRules[std::size_t(rule)];
}

bool hasErrors(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

}  // namespace wendle::accessibility
