#include "platform/TextPieces.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

// The offsets where the finder's kind of segment begins or ends, 0 and the length included.
std::vector<int> boundaries(QTextBoundaryFinder::BoundaryType type, const QString& text) {
    std::vector<int> at{0};
    QTextBoundaryFinder finder(type, text);
    // Each step moves forward, so the walk ends at the text's end or at -1.
    for (qsizetype p = finder.toNextBoundary(); p > at.back() && p <= text.size();
         p = finder.toNextBoundary())
        at.push_back(int(p));
    if (at.back() != text.size()) at.push_back(int(text.size()));
    return at;
}

std::vector<TextSpan> spansBetween(const std::vector<int>& at) {
    std::vector<TextSpan> spans;
    for (size_t i = 1; i < at.size(); ++i)
        spans.push_back({at[i - 1], at[i]});
    return spans;
}

bool holdsLetterOrDigit(const QString& text, TextSpan s) {
    const QList<uint> codePoints = text.mid(s.start, s.end - s.start).toUcs4();
    return std::any_of(codePoints.begin(), codePoints.end(),
                       [](uint c) { return QChar::isLetterOrNumber(char32_t(c)); });
}

// Words and the runs between them, in order; none for a text without a word.
std::vector<TextSpan> wordPieces(const QString& text) {
    std::vector<TextSpan> pieces;
    bool anyWord = false;
    bool lastWasWord = false;
    for (TextSpan s : spansBetween(boundaries(QTextBoundaryFinder::Word, text))) {
        const bool word = holdsLetterOrDigit(text, s);
        anyWord = anyWord || word;
        if (!pieces.empty() && !word && !lastWasWord)
            pieces.back().end = s.end; // one run of spaces and punctuation
        else
            pieces.push_back(s);
        lastWasWord = word;
    }
    return anyWord ? pieces : std::vector<TextSpan>{};
}

std::vector<TextSpan> piecesOf(const QString& text, PieceUnit unit) {
    if (text.isEmpty()) return {};
    switch (unit) {
    case PieceUnit::Character:
        return spansBetween(boundaries(QTextBoundaryFinder::Grapheme, text));
    case PieceUnit::Word:
        return wordPieces(text);
    case PieceUnit::Sentence:
        return spansBetween(boundaries(QTextBoundaryFinder::Sentence, text));
    case PieceUnit::Line:
        break;
    }
    return {{0, int(text.size())}};
}

} // namespace

TextSpan textPiece(const QString& text, PieceUnit unit, PieceSide side, int offset) {
    const int length = int(text.size());
    offset = std::clamp(offset, 0, length);
    // An offset inside a character (a surrogate pair, a letter and its marks) asks about it.
    if (offset > 0 && offset < length) {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        characters.setPosition(offset);
        if (!characters.isAtBoundary()) offset = std::max(0, int(characters.toPreviousBoundary()));
    }
    const std::vector<TextSpan> pieces = piecesOf(text, unit);
    // The piece the offset is in; the end of the text is in the last one but for characters,
    // where it stands after them all.
    auto in = std::find_if(pieces.begin(), pieces.end(),
                           [&](TextSpan p) { return p.start <= offset && offset < p.end; });
    if (in == pieces.end() && offset == length && unit != PieceUnit::Character && !pieces.empty())
        in = pieces.end() - 1;
    const TextSpan none{offset, offset};
    const auto index = in - pieces.begin();
    switch (side) {
    case PieceSide::At:
        return in == pieces.end() ? none : *in;
    case PieceSide::Before:
        return index > 0 ? pieces[size_t(index - 1)] : none;
    case PieceSide::After:
        return in != pieces.end() && in + 1 != pieces.end() ? *(in + 1) : none;
    }
    return none;
}
