#pragma once
// Inside the platform only: a one-line text cut into the pieces that assistive technology
// asks for (a character, a word, a sentence, the line), found here rather than by the
// toolkit's own search, which never returns for some texts.
//
// - Characters are user-perceived characters: a surrogate pair, a letter with its combining
//   marks, one ideograph are one character each.
// - Words follow Unicode's word boundaries. A word holds a letter or a digit; the run of
//   spaces and punctuation between two words, or before the first or after the last, is a
//   piece of its own. A text that holds no word has no word pieces at all.
// - Sentences follow Unicode's sentence boundaries; the line is the whole text.
// - The end of the text belongs to the last word, sentence or line (where a cursor at the
//   end is), but to no character.
// - Where there is no such piece, the answer is the empty piece at the offset.

#include <QString>

enum class PieceUnit { Character, Word, Sentence, Line };
enum class PieceSide { Before, At, After };

struct TextSpan {
    int start = 0, end = 0;
};

// The piece of `unit` before, at or after `offset`, which is taken into 0 to the text's
// length, and from inside a character to its start.
TextSpan textPiece(const QString& text, PieceUnit unit, PieceSide side, int offset);
