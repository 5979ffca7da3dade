#include "render/CaptionLayout.h"

namespace wendle {

namespace {

std::vector<QString> paragraphsOf(const QString& text) {
    std::vector<QString> paragraphs;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            paragraphs.push_back(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += c;
        }
    }
    paragraphs.push_back(current);
    return paragraphs;
}

QString withoutTrailingSpaces(QString text) {
    while (!text.isEmpty() && text.back() == u' ') text.chop(1);
    return text;
}

struct MeasuredLine {
    QString text;
    int width = 0;
};

// Greedy word wrap: as many words as fit on a line; the spaces at a break
// belong to neither line. Each candidate is measured once, and a line keeps
// the width it was measured with: shaping is what captions cost.
void wrapParagraph(const QString& paragraph, const TextMeasure& measure, int width,
                   std::vector<MeasuredLine>& lines) {
    qsizetype start = 0;
    const qsizetype length = paragraph.size();
    if (length == 0) {
        lines.push_back(MeasuredLine{});
        return;
    }
    // Most captions fit on one line: measured whole, they need no word by
    // word measuring. A word never makes a line narrower, so a paragraph
    // that fits whole is the line greedy wrapping would give.
    const QString whole = withoutTrailingSpaces(paragraph);
    if (const int wholeWidth = measure.advance(whole); wholeWidth <= width) {
        lines.push_back(MeasuredLine{whole, wholeWidth});
        return;
    }
    while (start < length) {
        qsizetype fitted = -1;
        int fittedWidth = 0;
        qsizetype end = start;
        while (end < length) {
            // The end of the next word.
            while (end < length && paragraph[end] == u' ') ++end;
            while (end < length && paragraph[end] != u' ') ++end;
            const int candidateWidth =
                measure.advance(withoutTrailingSpaces(paragraph.mid(start, end - start)));
            if (fitted >= 0 && candidateWidth > width)
                break;
            fitted = end;
            fittedWidth = candidateWidth;
            if (candidateWidth > width)
                break;  // one word, too wide
        }
        lines.push_back(
            MeasuredLine{withoutTrailingSpaces(paragraph.mid(start, fitted - start)), fittedWidth});
        start = fitted;
        while (start < length && paragraph[start] == u' ') ++start;
    }
}

}  // namespace

std::vector<CaptionLine> layOutCaption(const QString& text, const TextMeasure& measure, int width,
                                       int height, int alignment) {
    std::vector<MeasuredLine> lines;
    for (const QString& paragraph : paragraphsOf(text)) {
        wrapParagraph(paragraph, measure, width, lines);
    }
    const int lineHeight = measure.height();
    const int blockTop = (height - int(lines.size()) * lineHeight) / 2;

    std::vector<CaptionLine> placed;
    placed.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineWidth = lines[i].width;
        int x = 0;
        if (alignment == kAlignCentre)
            x = (width - lineWidth) / 2;
        if (alignment == kAlignRight)
            x = width - lineWidth;
        placed.push_back(CaptionLine{std::move(lines[i].text), x, blockTop + int(i) * lineHeight});
    }
    return placed;
}

}  // namespace wendle
