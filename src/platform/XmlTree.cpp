#include "platform/XmlTree.h"

#include <expat.h>

#include <memory>

namespace wendle::platform {

const std::string* XmlNode::attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName)
            return &value;
    }
    return nullptr;
}

void XmlNode::setAttribute(std::string_view attributeName, std::string value) {
    for (auto& [key, stored] : attributes) {
        if (key == attributeName) {
            stored = std::move(value);
            return;
        }
    }
    attributes.emplace_back(std::string(attributeName), std::move(value));
}

XmlNode* XmlNode::child(std::string_view elementName) {
    for (XmlNode& node : children) {
        if (node.kind == Kind::Element && node.name == elementName)
            return &node;
    }
    return nullptr;
}

XmlNode& XmlNode::appendElement(XmlNode element, int depth) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    // Keep the closing tag on its own line: the last text child is the
    // indentation before it.
    if (!children.empty() && children.back().kind == Kind::Text &&
        children.back().text.find_first_not_of(" \t\r\n") == std::string::npos) {
        children.back().text = "\n" + indent + "  ";
    } else {
        children.push_back(textNode("\n" + indent + "  "));
    }
    children.push_back(std::move(element));
    children.push_back(textNode("\n" + indent));
    return children[children.size() - 2];
}

// Collects expat's events into nodes.
class XmlTreeBuilder {
  public:
    XmlDocument document;
    XML_Parser parser = nullptr;
    std::vector<XmlNode> open;  // the elements being read, outermost first
    bool haveRoot = false;
    bool refused = false;

    void addNode(XmlNode node) {
        if (!open.empty()) {
            open.back().children.push_back(std::move(node));
        } else if (haveRoot) {
            document.epilog_.push_back(std::move(node));
        } else {
            document.prolog_.push_back(std::move(node));
        }
    }

    static void onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        auto* self = static_cast<XmlTreeBuilder*>(data);
        XmlNode node = XmlNode::element(name);
        for (int i = 0; attributes[i]; i += 2) {
            node.attributes.emplace_back(attributes[i], attributes[i + 1]);
        }
        self->open.push_back(std::move(node));
    }

    static void onEnd(void* data, const XML_Char*) {
        auto* self = static_cast<XmlTreeBuilder*>(data);
        XmlNode node = std::move(self->open.back());
        self->open.pop_back();
        if (self->open.empty()) {
            self->document.root_ = std::move(node);
            self->haveRoot = true;
        } else {
            self->open.back().children.push_back(std::move(node));
        }
    }

    static void onText(void* data, const XML_Char* text, int length) {
        auto* self = static_cast<XmlTreeBuilder*>(data);
        if (self->open.empty())
            return;  // white space around the root
        auto& children = self->open.back().children;
        if (!children.empty() && children.back().kind == XmlNode::Kind::Text) {
            children.back().text.append(text, static_cast<std::size_t>(length));
        } else {
            children.push_back(
                XmlNode::textNode(std::string(text, static_cast<std::size_t>(length))));
        }
    }

    static void onComment(void* data, const XML_Char* text) {
        static_cast<XmlTreeBuilder*>(data)->addNode(
            XmlNode::make(XmlNode::Kind::Comment, {}, text));
    }

    static void onInstruction(void* data, const XML_Char* target, const XML_Char* text) {
        static_cast<XmlTreeBuilder*>(data)->addNode(
            XmlNode::make(XmlNode::Kind::ProcessingInstruction, target, text));
    }

    static void onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        auto* self = static_cast<XmlTreeBuilder*>(data);
        self->refused = true;
        XML_StopParser(self->parser, XML_FALSE);
    }
};

namespace {

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

std::string escaped(std::string_view text, bool inAttribute) {
    std::string result;
    for (char c : text) {
        switch (c) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            case '"':
                result += inAttribute ? "&quot;" : "\"";
                break;
            case '\t':
                result += inAttribute ? "&#9;" : "\t";
                break;
            case '\n':
                result += inAttribute ? "&#10;" : "\n";
                break;
            case '\r':
                result += "&#13;";
                break;
            default:
                result += c;
        }
    }
    return result;
}

void write(const XmlNode& node, std::string& out) {
    switch (node.kind) {
        case XmlNode::Kind::Text:
            out += escaped(node.text, false);
            return;
        case XmlNode::Kind::Comment:
            out += "<!--" + node.text + "-->";
            return;
        case XmlNode::Kind::ProcessingInstruction:
            out += "<?" + node.name + (node.text.empty() ? "" : " " + node.text) + "?>";
            return;
        case XmlNode::Kind::Element:
            break;
    }
    out += "<" + node.name;
    for (const auto& [key, value] : node.attributes) {
        out += " " + key + "=\"" + escaped(value, true) + "\"";
    }
    if (node.children.empty()) {
        out += "/>";
        return;
    }
    out += ">";
    for (const XmlNode& child : node.children) write(child, out);
    out += "</" + node.name + ">";
}

}  // namespace

std::optional<XmlDocument> XmlDocument::parse(std::string_view text, std::string& error) {
    std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate("UTF-8"));
    if (!parser) {
        error = "Out of memory";
        return std::nullopt;
    }
    XmlTreeBuilder builder;
    builder.parser = parser.get();
    XML_SetUserData(parser.get(), &builder);
    XML_SetElementHandler(parser.get(), XmlTreeBuilder::onStart, XmlTreeBuilder::onEnd);
    XML_SetCharacterDataHandler(parser.get(), XmlTreeBuilder::onText);
    XML_SetCommentHandler(parser.get(), XmlTreeBuilder::onComment);
    XML_SetProcessingInstructionHandler(parser.get(), XmlTreeBuilder::onInstruction);
    XML_SetStartDoctypeDeclHandler(parser.get(), XmlTreeBuilder::onDoctype);

    // Fed in pieces: expat takes an int length.
    constexpr std::size_t kPiece = 1 << 20;
    bool ok = true;
    do {
        std::string_view piece = text.substr(0, kPiece);
        text.remove_prefix(piece.size());
        ok = XML_Parse(parser.get(), piece.data(), static_cast<int>(piece.size()),
                       text.empty() ? XML_TRUE : XML_FALSE) == XML_STATUS_OK;
        if (builder.refused)
            break;
    } while (ok && !text.empty());

    if (builder.refused) {
        error = "a document type declaration is not accepted";
        return std::nullopt;
    }
    if (!ok) {
        error = std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line " +
                std::to_string(XML_GetCurrentLineNumber(parser.get()));
        return std::nullopt;
    }
    if (!builder.haveRoot) {
        error = "no root element";
        return std::nullopt;
    }
    return std::move(builder.document);
}

std::string XmlDocument::serialize() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    for (const XmlNode& node : prolog_) {
        write(node, out);
        out += "\n";
    }
    write(root_, out);
    out += "\n";
    for (const XmlNode& node : epilog_) {
        write(node, out);
        out += "\n";
    }
    return out;
}

}  // namespace wendle::platform
