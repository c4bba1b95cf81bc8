#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talvero {

// Windows-1252 stands for the ANSI code page. A character it cannot represent
// becomes "?".
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);

// Text as a short ANSI string of at most maxLength characters: cut to its first
// characters, unrepresentable characters replaced by "?".
QString ansiKuerzen(QStringView text, qsizetype maxLength);

// Decodes a file's text: a UTF-8 or UTF-16 byte-order mark selects that encoding,
// otherwise Windows-1252. Lines end at CR LF, a lone CR or a lone LF; a final line
// break does not make an extra empty line.
QStringList Textzeilen_lesen(QByteArrayView bytes);

// Every line in Windows-1252 followed by CR LF, the last one too.
QByteArray Textzeilen_schreiben(const QStringList& lines);

} // namespace talvero
