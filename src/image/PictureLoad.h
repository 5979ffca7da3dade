#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "image/Picture.h"

namespace wendle {

enum class PictureProblem {
    None,
    Unreadable,      // the file could not be opened or read
    NotAPicture,     // neither a GIF nor a JPEG signature
    Damaged,         // the signature is right, the data is not
    TooManyPixels,   // beyond the budget of one picture
    DocumentBudget,  // beyond what the document's other pictures leave
    TooManyScans,    // a JPEG that goes over its picture too often
    TooSlow,         // decoding ran out of time
    NoDecoder,       // the GIF or JPEG library could not be opened
};

// What decoding a file gave: a picture, or the problem and a reason fit to
// show after the file's name.
struct PictureLoad {
    std::unique_ptr<Picture> picture;
    PictureProblem problem = PictureProblem::None;
    std::string reason;

    static PictureLoad refused(PictureProblem problem, std::string reason) {
        return PictureLoad{nullptr, problem, std::move(reason)};
    }

    bool ok() const { return picture != nullptr; }
    // The file is a picture, but one of the limits kept it out.
    bool overLimit() const {
        return problem == PictureProblem::TooManyPixels ||
               problem == PictureProblem::DocumentBudget ||
               problem == PictureProblem::TooManyScans || problem == PictureProblem::TooSlow;
    }
    // A picture that may well be fine but was not shown: over a limit, or
    // its library missing. Worth telling the user, unlike a file that is
    // not a picture.
    bool notShown() const { return overLimit() || problem == PictureProblem::NoDecoder; }
    // The text for the user, naming the file (its name without folders);
    // empty for a picture.
    std::string message(std::string_view fileName) const;
};

}  // namespace wendle
