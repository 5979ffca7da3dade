#include "platform/RecentlyUsed.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/AtomicFile.h"
#include "platform/FileUrl.h"
#include "platform/Folders.h"
#include "platform/XmlTree.h"

namespace wendle::platform {

namespace {

constexpr const char* kBookmarkNamespace = "http://www.freedesktop.org/standards/desktop-bookmarks";
constexpr const char* kMimeNamespace = "http://www.freedesktop.org/standards/shared-mime-info";
constexpr const char* kMetadataOwner = "http://freedesktop.org";
constexpr std::size_t kSizeLimit = 64 * 1024 * 1024;

XmlDocument emptyBookmarkFile() {
    XmlNode root = XmlNode::element("xbel");
    root.setAttribute("version", "1.0");
    root.setAttribute("xmlns:bookmark", kBookmarkNamespace);
    root.setAttribute("xmlns:mime", kMimeNamespace);
    root.children.push_back(XmlNode::textNode("\n"));
    return XmlDocument(std::move(root));
}

XmlNode* findBookmark(XmlNode& root, const std::string& absolutePath) {
    for (XmlNode& node : root.children) {
        if (node.kind != XmlNode::Kind::Element || node.name != "bookmark")
            continue;
        const std::string* href = node.attribute("href");
        // Other programs escape a different set of characters: compare paths.
        if (href && pathOfFileUrl(*href) == absolutePath)
            return &node;
    }
    return nullptr;
}

// The <bookmark:applications> element of a bookmark, made when missing.
XmlNode& applicationsOf(XmlNode& bookmark) {
    XmlNode* info = bookmark.child("info");
    if (!info)
        info = &bookmark.appendElement(XmlNode::element("info"), 1);
    XmlNode* metadata = nullptr;
    for (XmlNode& node : info->children) {
        const std::string* owner = node.attribute("owner");
        if (node.kind == XmlNode::Kind::Element && node.name == "metadata" && owner &&
            *owner == kMetadataOwner) {
            metadata = &node;
            break;
        }
    }
    if (!metadata) {
        XmlNode created = XmlNode::element("metadata");
        created.setAttribute("owner", kMetadataOwner);
        metadata = &info->appendElement(std::move(created), 2);
    }
    XmlNode* applications = metadata->child("bookmark:applications");
    if (!applications) {
        applications = &metadata->appendElement(XmlNode::element("bookmark:applications"), 3);
    }
    return *applications;
}

void recordUse(XmlNode& bookmark, const RecentlyUsedApplication& application,
               const std::string& now) {
    XmlNode& applications = applicationsOf(bookmark);
    for (XmlNode& node : applications.children) {
        const std::string* name = node.attribute("name");
        if (node.kind != XmlNode::Kind::Element || node.name != "bookmark:application" || !name ||
            *name != application.name) {
            continue;
        }
        const std::string* count = node.attribute("count");
        long uses = 0;
        if (count)
            uses = std::strtol(count->c_str(), nullptr, 10);
        node.setAttribute("count", std::to_string(uses > 0 ? uses + 1 : 1));
        node.setAttribute("modified", now);
        return;
    }
    XmlNode entry = XmlNode::element("bookmark:application");
    entry.setAttribute("name", application.name);
    entry.setAttribute("exec", application.exec);
    entry.setAttribute("modified", now);
    entry.setAttribute("count", "1");
    applications.appendElement(std::move(entry), 4);
}

XmlNode newBookmark(const std::string& absolutePath, const RecentlyUsedApplication& application,
                    const std::string& now) {
    XmlNode bookmark = XmlNode::element("bookmark");
    bookmark.setAttribute("href", fileUrl(absolutePath));
    bookmark.setAttribute("added", now);
    bookmark.setAttribute("modified", now);
    bookmark.setAttribute("visited", now);
    XmlNode& info = bookmark.appendElement(XmlNode::element("info"), 1);
    XmlNode metadata = XmlNode::element("metadata");
    metadata.setAttribute("owner", kMetadataOwner);
    XmlNode& placed = info.appendElement(std::move(metadata), 2);
    XmlNode mime = XmlNode::element("mime:mime-type");
    mime.setAttribute("type", application.mimeType);
    placed.appendElement(std::move(mime), 3);
    recordUse(bookmark, application, now);
    return bookmark;
}

}  // namespace

RecentlyUsedList::RecentlyUsedList(std::string xbelPath) : path_(std::move(xbelPath)) {}

std::string RecentlyUsedList::defaultPath() {
    return xdgDataHome() + "recently-used.xbel";
}

std::string RecentlyUsedList::timestamp(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto sinceEpoch = time.time_since_epoch();
    const auto wholeSeconds = floor<seconds>(sinceEpoch);
    const auto micro = duration_cast<microseconds>(sinceEpoch - wholeSeconds).count();
    std::time_t seconds = static_cast<std::time_t>(wholeSeconds.count());
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(micro));
    return text;
}

IoResult RecentlyUsedList::add(const std::string& absolutePath,
                               const RecentlyUsedApplication& application,
                               std::chrono::system_clock::time_point now) {
    if (!absolutePath.starts_with('/'))
        return IoResult::systemFailure(absolutePath, EINVAL);

    FileReadResult file = readWholeFile(path_, kSizeLimit);
    if (file.status == FileReadResult::Status::Failed)
        return file.failure;

    std::optional<XmlDocument> document;
    if (file.status == FileReadResult::Status::Missing) {
        document = emptyBookmarkFile();
    } else {
        std::string error;
        document = XmlDocument::parse(file.contents, error);
        if (!document)
            return IoResult::failure(path_ + ": " + error, EINVAL);
        if (document->root().name != "xbel") {
            return IoResult::failure(path_ + ": not a bookmark file", EINVAL);
        }
    }

    XmlNode& root = document->root();
    if (!root.attribute("xmlns:bookmark"))
        root.setAttribute("xmlns:bookmark", kBookmarkNamespace);
    if (!root.attribute("xmlns:mime"))
        root.setAttribute("xmlns:mime", kMimeNamespace);

    const std::string stamp = timestamp(now);
    if (XmlNode* bookmark = findBookmark(root, absolutePath)) {
        bookmark->setAttribute("modified", stamp);
        bookmark->setAttribute("visited", stamp);
        recordUse(*bookmark, application, stamp);
    } else {
        root.appendElement(newBookmark(absolutePath, application, stamp), 0);
    }

    if (IoResult folder = makeFolders(folderOf(path_)); !folder)
        return folder;
    return writeFileAtomically(path_, document->serialize(), 0600);
}

}  // namespace wendle::platform
