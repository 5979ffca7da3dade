#include "platform/HelpViewer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/AtomicFile.h"
#include "platform/FileUrl.h"

namespace wendle::platform {

namespace {

std::string absolutePath(const std::string& path) {
    if (path.starts_with('/'))
        return path;
    char* current = ::getcwd(nullptr, 0);
    std::string absolute = current ? std::string(current) + "/" + path : path;
    std::free(current);
    return absolute;
}

IoResult checkExists(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return IoResult::systemFailure(path, errno);
    return IoResult::success();
}

}  // namespace

HelpViewer::HelpViewer(std::string programFolder, std::string redirectFolder)
    : programFolder_(std::move(programFolder)), redirectFolder_(std::move(redirectFolder)) {
    if (!redirectFolder_.empty() && redirectFolder_.back() != '/')
        redirectFolder_ += '/';
}

std::string HelpViewer::topicAnchor(int topic) {
    std::string number = std::to_string(topic);
    if (number.size() < 2)
        number.insert(0, "0");
    return "topic-" + number;
}

std::string HelpViewer::redirectPage(const std::string& url) {
    // Every character that could end an attribute or a script string is
    // percent-encoded in `url`, so it can stand in both as it is.
    return "<!DOCTYPE html>\n"
           "<html><head><meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"refresh\" content=\"0; url=" +
           url +
           "\">\n"
           "<title>Wendle Help</title>\n"
           "<script>location.replace(\"" +
           url +
           "\");</script>\n"
           "</head><body><p><a href=\"" +
           url + "\">Wendle Help</a></p></body></html>\n";
}

HelpViewer::Page HelpViewer::pageFor(int topic) const {
    if (topic < 0)
        return {IoResult::failure("There is no help topic " + std::to_string(topic)), {}};
    const std::string document = helpDocumentPath();
    if (IoResult exists = checkExists(document); !exists)
        return {exists, {}};
    if (topic == 0)
        return {IoResult::success(), document};
    if (IoResult folder = makeFolders(redirectFolder_); !folder)
        return {folder, {}};

    const std::string redirect = redirectFolder_ + "help-" + topicAnchor(topic) + ".html";
    const std::string page = redirectPage(fileUrl(absolutePath(document), topicAnchor(topic)));
    if (IoResult written = writeFileAtomically(redirect, page, 0644); !written)
        return {written, {}};
    return {IoResult::success(), redirect};
}

}  // namespace wendle::platform
