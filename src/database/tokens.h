#pragma once

#include <QString>

namespace talvero {

// Field TokenNum (1-based) of aString, fields separated by SepChar (searched as a
// whole). A field number beyond the last field, TokenNum <= 0 and an empty aString
// give the empty string.
QString GetToken(const QString& aString, const QString& SepChar, int TokenNum);

// aString with its tab-separated field TokenNum replaced by PartString; every other
// field, a trailing tab included, keeps its text. A TokenNum outside 1 .. fields
// leaves the line unchanged.
QString SetToken(const QString& aString, const QString& PartString, int TokenNum);

} // namespace talvero
