#pragma once

#include <string>
#include <vector>

#include "accessibility/Finding.h"

namespace wendle::accessibility {

// Texts are UTF-8.

// Who a finding is about: "Button 3 \"Shop\", state 2", "Text box".
std::string subjectText(const Finding& finding);
// What was found, without the subject:
// "caption contrast 2.1:1 (needs 4.5:1, WCAG 1.4.3)"; warnings begin "warning: ".
std::string problemText(const Finding& finding);
// One line: subject, a colon, the problem.
std::string findingLine(const Finding& finding);
// What the fix does; empty when there is none.
std::string fixText(const Finding& finding);

// The findings as one JSON object: counts of errors and warnings, and the
// findings with their rule, criterion, subject, figures, text and fix.
std::string findingsJson(const std::vector<Finding>& findings);

}  // namespace wendle::accessibility
