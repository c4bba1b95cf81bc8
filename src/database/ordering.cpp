#include "database/ordering.h"

#include "database/textcodec.h"

#include <algorithm>
#include <vector>

namespace talvero {
namespace {

constexpr qsizetype Namenslaenge = 34;

int Vorzeichen(int c) {
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Unsigned byte order, a prefix before the longer text.
int Bytes_vergleichen(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int Zahlen_vergleichen(double a, double b) {
    return a > b ? 1 : (a < b ? -1 : 0);
}

// The upper-cased unit name as a short ANSI string of at most 34 characters.
QByteArray Namensschluessel(const QString& Einheit) {
    return toAnsi(Grossbuchstaben(QStringView(Einheit).left(Namenslaenge)));
}

// The name key with Ä, Ö and Ü spelled out; the short string is cut again after every
// replacement.
QByteArray Alphabetschluessel(const QString& Einheit) {
    QByteArray key = Namensschluessel(Einheit);
    key = key.replace('\xC4', "AE").left(Namenslaenge);
    key = key.replace('\xD6', "OE").left(Namenslaenge);
    key = key.replace('\xDC', "UE").left(Namenslaenge);
    return key;
}

QString Landschluessel(const QString& Land_Name) {
    const QString land = Umlaute_falten(Land_Name);
    // The unit groups rank before every country, in this order.
    if (land == u"SI-Einheit")
        return QStringLiteral("A");
    if (land == u"Internationale Einheit")
        return QStringLiteral("AA");
    if (land == u"Englisches System")
        return QStringLiteral("AAA");
    if (land == u"Eigene Einheit")
        return QStringLiteral("AAAA");
    if (land == u"Sonstige Einheit")
        return QStringLiteral("AAAAA");
    return land;
}

int Texte_vergleichen(const QString& a, const QString& b) {
    // QString::compare orders by UTF-16 code units, a prefix first.
    return Vorzeichen(QString::compare(a, b, Qt::CaseSensitive));
}

bool Groesse_aus_Ergebnissen(const QString& Gebietname) {
    return Gebietname == u"Aräometerskalen" || Gebietname == u"Schuhgrößen" ||
           Gebietname == u"Temperatur" || Gebietname == u"Viskosität, kinem. alt";
}

double Ergebnisgroesse(const E_String& text) {
    return static_cast<double>(Faktor_lesen(text.text()));
}

// Sorts through keys computed once per entry: the same quicksort on the same answers
// of the comparison gives the same order as comparing entries, without building the
// keys anew for every comparison.
template <typename Key, typename Compare>
void Mit_Schluesseln_sortieren(ObjektListe& liste, std::vector<Key> keys, Compare&& compare) {
    Quicksort(keys, compare);
    ObjektListe sorted;
    sorted.reserve(liste.size());
    for (const Key& k : keys)
        sorted.push_back(std::move(liste[k.index]));
    liste = std::move(sorted);
}

struct Alphabet_Schluessel {
    std::size_t index;
    QByteArray name;
};

struct Land_Schluessel {
    std::size_t index;
    QString land;
    QByteArray name;
};

struct Groessen_Schluessel {
    std::size_t index;
    bool hatErgebnis;
    double groesse;
};

} // namespace

QString Grossbuchstaben(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const QChar c : text)
        *p++ = c.isHighSurrogate() || c.isLowSurrogate() ? c : c.toUpper();
    return out;
}

QString Umlaute_falten(QString text) {
    text.replace(u'Ä', QStringLiteral("AE"));
    text.replace(u'Ö', QStringLiteral("OE"));
    text.replace(u'Ü', QStringLiteral("UE"));
    return text;
}

int Vergleich_nach_Alphabet(const TAusgabetextobject& a, const TAusgabetextobject& b) {
    return Bytes_vergleichen(Alphabetschluessel(a.Ausgabetext.Einheit),
                             Alphabetschluessel(b.Ausgabetext.Einheit));
}

int Vergleich_nach_Land(const TAusgabetextobject& a, const TAusgabetextobject& b) {
    const int land = Texte_vergleichen(Landschluessel(a.Ausgabetext.Land_Name),
                                       Landschluessel(b.Ausgabetext.Land_Name));
    if (land != 0)
        return land;
    return Bytes_vergleichen(Namensschluessel(a.Ausgabetext.Einheit),
                             Namensschluessel(b.Ausgabetext.Einheit));
}

int Vergleich_nach_Groesse(const QString& Gebietname, const TAusgabetextobject& a,
                           const TAusgabetextobject& b) {
    if (!Groesse_aus_Ergebnissen(Gebietname))
        return Zahlen_vergleichen(static_cast<double>(a.Ausgabetext.Mult),
                                  static_cast<double>(b.Ausgabetext.Mult));
    if (a.Rechenergebnis_wiss.isEmpty())
        return 0;
    return Zahlen_vergleichen(Ergebnisgroesse(a.Rechenergebnis_wiss),
                              Ergebnisgroesse(b.Rechenergebnis_wiss));
}

void Sortierung_nach_Alphabet(ObjektListe& liste) {
    if (liste.size() < 2)
        return;
    std::vector<Alphabet_Schluessel> keys;
    keys.reserve(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        keys.push_back({i, Alphabetschluessel(liste[i].Ausgabetext.Einheit)});
    Mit_Schluesseln_sortieren(liste, std::move(keys), [](const auto& a, const auto& b) {
        return Bytes_vergleichen(a.name, b.name);
    });
}

void Sortierung_nach_Land(ObjektListe& liste) {
    if (liste.size() < 2)
        return;
    std::vector<Land_Schluessel> keys;
    keys.reserve(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        keys.push_back({i, Landschluessel(liste[i].Ausgabetext.Land_Name),
                        Namensschluessel(liste[i].Ausgabetext.Einheit)});
    Mit_Schluesseln_sortieren(liste, std::move(keys), [](const auto& a, const auto& b) {
        const int land = Texte_vergleichen(a.land, b.land);
        return land != 0 ? land : Bytes_vergleichen(a.name, b.name);
    });
}

void Sortierung_nach_Groesse(ObjektListe& liste, const QString& Gebietname) {
    if (liste.size() < 2)
        return;
    const bool ausErgebnissen = Groesse_aus_Ergebnissen(Gebietname);
    std::vector<Groessen_Schluessel> keys;
    keys.reserve(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const TAusgabetextobject& e = liste[i];
        if (ausErgebnissen)
            keys.push_back(
                {i, !e.Rechenergebnis_wiss.isEmpty(), Ergebnisgroesse(e.Rechenergebnis_wiss)});
        else
            keys.push_back({i, true, static_cast<double>(e.Ausgabetext.Mult)});
    }
    Mit_Schluesseln_sortieren(liste, std::move(keys), [](const auto& a, const auto& b) {
        return a.hatErgebnis ? Zahlen_vergleichen(a.groesse, b.groesse) : 0;
    });
}

bool Sortierung_moeglich(const QString& Gebietname, const QString& ESortierung) {
    if (Gebietname == u"Brüche")
        return false;
    if (ESortierung == Sortierung_Groesse())
        return Gebietname != u"Kalender" && Gebietname != u"Zahlensysteme";
    return true;
}

void Sortierung_nach_Laden(ObjektListe& liste, const QString& ESortierung,
                           const QString& Gebietname) {
    if (ESortierung == Sortierung_Land())
        Sortierung_nach_Land(liste);
    else if (ESortierung == Sortierung_Groesse())
        Sortierung_nach_Groesse(liste, Gebietname);
}

} // namespace talvero
