#pragma once

#include <string>
#include <vector>

#include "model/VelkForm.h"

namespace wendle::document {

class DocumentHost;

// The part that the reader and the older-layout importer share: replacing
// the applet, creating the buttons of the file, and leaving the applet and
// the program consistent however the read ends.
class ReadingSession {
  public:
    // Deletes the old applet's working copies, replaces the applet and sets
    // updatingControls for the read.
    ReadingSession(DocumentHost& host, const std::string& path);
    ReadingSession(const ReadingSession&) = delete;
    ReadingSession& operator=(const ReadingSession&) = delete;

    TVelkForm& applet() { return applet_; }
    DocumentHost& host() { return host_; }
    // The document's folder followed by a separator: where pictures named in
    // the file are looked for when their own path does not hold them.
    const std::string& fallbackFolder() const { return fallbackFolder_; }

    // Creates the button of this ordinal with CreateMenuItem and returns its
    // slot. The file's count of buttons stays in buttonCount throughout, and
    // the limit of 99 is measured against the buttons created so far.
    int createButton(int ordinal, int count);

    // Loads a state's picture as the reader must: finds its file (imagePath,
    // then the document's folder + imageName) and makes that imagePath, so
    // a document opened from elsewhere remembers where its pictures are,
    // whichever host reads it; then the host decodes the picture.
    void loadStateImage(TVelkPanel& panel);

    // The preview's client height as read from the given line, brought up
    // to the tool bar strip when it is smaller, so the applet is never given
    // a negative height. The change is noted.
    int usableClientHeight(int clientHeight, int line);

    // What the read changed on its own; shown once the read has ended.
    void note(std::string text) { notes_.push_back(std::move(text)); }
    const std::vector<std::string>& notes() const { return notes_; }
    // The message of a read that stopped, naming this file.
    std::string stoppedMessage(const struct ReadStopped& stopped) const;

    // Ends the read: buttonCount agrees with the buttons that exist,
    // updatingControls is clear, the General tab's refill is applied and the
    // host refreshes it. A complete read also stores the document path.
    void finish(bool complete);

  private:
    DocumentHost& host_;
    TVelkForm& applet_;
    std::string path_;
    std::string fallbackFolder_;
    std::vector<std::string> notes_;
};

}  // namespace wendle::document
