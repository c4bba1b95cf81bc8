#include "app/flags.h"

#include "database/ordering.h"

// The flag resources live in a static library of their own; this pulls them in.
static void Flaggen_registrieren() {
    Q_INIT_RESOURCE(flags);
}

namespace talvero {

QString ResName(const QString& Org_Name) {
    QString name = QStringLiteral("BM_") + Grossbuchstaben(Org_Name);
    name.remove(u' ');
    name.replace(u'ß', QStringLiteral("SS"));
    name.replace(u'Ä', QStringLiteral("AE"));
    name.replace(u'Ö', QStringLiteral("OE"));
    name.replace(u'Ü', QStringLiteral("UE"));
    return name;
}

const QPixmap& Flaggenspeicher::Flagge(const QString& Land_Name) {
    static const bool registriert = (Flaggen_registrieren(), true);
    Q_UNUSED(registriert);
    auto it = cache_.constFind(Land_Name);
    if (it == cache_.cend()) {
        // A missing resource gives a null pixmap; that is remembered too.
        it = cache_.insert(Land_Name, QPixmap(QStringLiteral(":/flags/") + ResName(Land_Name) +
                                              QStringLiteral(".png")));
    }
    return *it;
}

} // namespace talvero
