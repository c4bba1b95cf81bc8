#pragma once

#include <QString>

namespace talvero {

// Password of every unit data file, of the country file and of the reference files.
inline QString Schluessel1() {
    return QStringLiteral("qoRt73#&");
}

// Password of the editing-password file.
inline QString Schluessel2() {
    return QString::fromUtf16(u"t2\u5379\u83C6\u3842");
}

} // namespace talvero
