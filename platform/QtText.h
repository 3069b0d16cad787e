#pragma once
// Inside the platform only: the program's strings as the toolkit's, in one place.
//
// Every text the platform shows is plain text, taken literally: a label never reads its
// text as markup, a caption's '&' is an ampersand and no keyboard mnemonic, a title's "[*]"
// no placeholder. The program breaks lines with CR (a CR LF pair is one break), the toolkit
// with LF.

#include <QString>

#include <string>

inline QString toQt(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

inline std::string fromQt(const QString& s) { return s.toStdString(); }

// The program's line breaks as the toolkit's: for labels, multi-line fields and message boxes.
inline QString shownText(const std::string& s) {
    QString q = toQt(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    return q;
}

// What a multi-line field holds, with the program's line breaks.
inline std::string typedText(const QString& s) {
    QString q = s;
    q.replace(QChar('\n'), QChar('\r'));
    return fromQt(q);
}

// A button's, radio button's, menu's or menu item's caption: the toolkit reads a lone '&'
// as a mnemonic marker and "&&" as one ampersand.
inline QString captionText(const std::string& s) {
    QString q = shownText(s);
    q.replace(QChar('&'), QStringLiteral("&&"));
    return q;
}

// A window title: the toolkit drops a lone "[*]" and shows "[*][*]" as "[*]".
inline QString titleText(const std::string& s) {
    QString q = shownText(s);
    q.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return q;
}
