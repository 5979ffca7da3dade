#include "web/WebPage.h"

#include "web/BarSnippet.h"
#include "web/HtmlText.h"
#include "web/WebTexts.h"

namespace wendle::web {

std::string indexPage(const WebBar& bar, const std::string& name, const std::string& title) {
    const std::string heading = escapeHtml(title.empty() ? kUntitledBar : title);
    std::string page;
    page += "<!DOCTYPE html>\n";
    page += "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + heading + "</title>\n";
    page += "<link rel=\"stylesheet\" href=\"" + name + ".css\">\n";
    // The page's own look: 16 px margins keep the bar on whole device
    // pixels; the snippet wraps rather than widen a phone's page.
    page +=
        "<style>\n"
        "body{margin:0;padding:16px;background:#fff;color:#1a1a1a;"
        "font:16px/1.5 system-ui,sans-serif}\n"
        "h1{font-size:1.5rem;margin:24px 0 8px}\n"
        "h2{font-size:1.125rem;margin:24px 0 8px}\n"
        "pre{margin:0;padding:12px;background:#f2f2f2;color:#1a1a1a;border:1px solid #767676;"
        "white-space:pre-wrap;overflow-wrap:anywhere;font-size:14px}\n"
        "</style>\n";
    page += "</head>\n<body>\n<main>\n";
    page += barElement(bar, name);
    page += "<h1>" + heading + "</h1>\n";
    page += std::string("<h2>") + kSnippetHeading + "</h2>\n";
    page += std::string("<p>") + kSnippetIntro + "</p>\n";
    page += "<pre><code>" + escapeHtml(barSnippet(bar, name)) + "</code></pre>\n";
    page += "</main>\n</body>\n</html>\n";
    return page;
}

}  // namespace wendle::web
