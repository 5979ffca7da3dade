#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wendle::platform {

// A small in-memory XML document, enough to update a bookmark file written
// by other programs and write it back without losing what we do not know:
// elements, attributes, texts, comments and processing instructions are all
// kept in order. Names keep their prefixes as written ("bookmark:application").
struct XmlNode {
    enum class Kind { Element, Text, Comment, ProcessingInstruction };

    Kind kind = Kind::Element;
    std::string name;  // element name or instruction target
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;  // text, comment or instruction data
    std::vector<XmlNode> children;

    static XmlNode make(Kind kind, std::string name, std::string text) {
        XmlNode node;
        node.kind = kind;
        node.name = std::move(name);
        node.text = std::move(text);
        return node;
    }
    static XmlNode element(std::string name) { return make(Kind::Element, std::move(name), {}); }
    static XmlNode textNode(std::string text) { return make(Kind::Text, {}, std::move(text)); }

    const std::string* attribute(std::string_view attributeName) const;
    void setAttribute(std::string_view attributeName, std::string value);
    // The first child element of that name, or null.
    XmlNode* child(std::string_view elementName);
    // Appends an element child, indented like its future siblings.
    XmlNode& appendElement(XmlNode element, int depth);
};

class XmlDocument {
  public:
    // Nullopt with `error` set when the text is not well-formed XML or holds
    // a document type declaration (never needed here, and the door to entity
    // expansion tricks).
    static std::optional<XmlDocument> parse(std::string_view text, std::string& error);

    explicit XmlDocument(XmlNode root) : root_(std::move(root)) {}

    XmlNode& root() { return root_; }
    const XmlNode& root() const { return root_; }

    // UTF-8, with an XML declaration.
    std::string serialize() const;

  private:
    XmlDocument() = default;
    friend class XmlTreeBuilder;

    std::vector<XmlNode> prolog_;  // comments and instructions before the root
    XmlNode root_;
    std::vector<XmlNode> epilog_;
};

}  // namespace wendle::platform
