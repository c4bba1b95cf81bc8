#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace talvero {

// Resource name of the flag of a country name: "BM_" and the name upper-cased,
// without blanks, with ß, Ä, Ö and Ü spelled out ("Österreich" -> "BM_OESTERREICH").
QString ResName(const QString& Org_Name);

// The flag pictures (32x16), loaded from the program's resources on first use and
// kept. A country without a picture gives a null pixmap, which draws nothing.
class Flaggenspeicher {
public:
    const QPixmap& Flagge(const QString& Land_Name);

private:
    QHash<QString, QPixmap> cache_;
};

} // namespace talvero
