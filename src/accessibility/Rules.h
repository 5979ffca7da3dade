#pragma once

#include <array>
#include <string>
#include <vector>

#include "accessibility/FaceSnapshot.h"
#include "accessibility/Finding.h"
#include "document/TestPage.h"
#include "model/VelkForm.h"

// The rules one by one; AccessibilityCheck.h runs them all. Each appends
// what it finds to out.
namespace wendle::accessibility {

inline constexpr double kTextContrast = 4.5;
inline constexpr double kLargeTextContrast = 3.0;
// Large text: 18 pt, or 14 pt bold (points at 96 pixels per inch).
inline constexpr int kLargePoints = 18;
inline constexpr int kLargeBoldPoints = 14;
inline constexpr double kStateContrast = 3.0;
inline constexpr int kMinimumTarget = 24;

double textContrastThreshold(int pointSize, bool bold);

// A finding about one state of one button, its rule's id and severity filled in.
Finding buttonFinding(Rule rule, const TVelkPanel& panel, int ordinal);

// The three states of one button, drawn.
struct ButtonFaces {
    int ordinal = 0;
    std::array<TVelkPanel*, 3> panels{};
    std::array<FaceSnapshot, 3> snapshots;
};

void checkCaptionContrast(const ButtonFaces& button, std::vector<Finding>& out);
void checkStateContrast(const ButtonFaces& button, std::vector<Finding>& out);
void checkTargetSizes(const TVelkForm& applet, std::vector<Finding>& out);
void checkName(const ButtonFaces& button, std::vector<Finding>& out);
void checkLinks(const TVelkForm& applet, std::vector<Finding>& out);
void checkHoverSound(const ButtonFaces& button, std::vector<Finding>& out);
void checkTextBox(const TVelkForm& applet, std::vector<Finding>& out);
void checkAlternativeHtml(const TVelkForm& applet, const document::PageColours& page,
                          std::vector<Finding>& out);

// The hint a picture's file name gives ("glossy-blue.jpg": "Glossy blue");
// empty when nothing usable is left.
std::string hintFromPictureName(const std::string& imageName);

}  // namespace wendle::accessibility
