#pragma once

#include "convert/estring.h"

#include <QChar>
#include <QString>
#include <vector>

namespace talvero {

// One area of the area table.
struct Typ_GruppenInfo {
    QString Gebietname;
    QString Dateiname;
    QString Grundeinheit;

    bool operator==(const Typ_GruppenInfo&) const = default;
};

// One unit: the 19 fields of a data file line, with the length limits of the
// short strings applied on loading.
struct Typ_Ausgabetext {
    bool Anzeige = true;
    QChar Eigene_Einheit;
    QString Sonstiges; // <= 5
    quint8 Land_Nummer = 0;
    QString Land_Name;
    qint32 Bitmap_Nummer = 1;
    QString Kurzzeichen;   // <= 20
    QString Einheit;       // <= 34
    long double Mult = 0;  // 0 marks "no factor"
    QString Einheit_auch;  // <= 33
    QString Uebersetzung;  // <= 32
    QString Einsatzgebiet; // <= 27
    QString entspricht;    // <= 40
    QString ca_Wert;       // <= 21
    QString Ort;           // <= 17
    bool reg_Unterschiede = false;
    QString gueltig_Zeit; // <= 15
    bool zeitliche_Unterschiede = false;
    QString freier_Infotext;
};

// One entry of the unit list of the current area.
struct TAusgabetextobject {
    Typ_Ausgabetext Ausgabetext;
    qint32 Position_in_Datei = 0;
    E_String Rechenergebnis_wiss;
    E_String Rechenergebnis_Fliesskomma;
};

using ObjektListe = std::vector<TAusgabetextobject>;

// Number of fields of a unit line.
inline constexpr int Feldanzahl_Einheit = 19;

// A factor text as stored in field 9: "," counts as ".", leading blanks, sign, digits,
// decimals and exponent, nothing else. Anything else reads as 0 ("no factor").
long double Faktor_lesen(const QString& text);

// Reads one data file line; missing trailing fields are empty, extra fields ignored.
Typ_Ausgabetext Ausgabetext_aus_Zeile(const QString& line);

// Reads one area table line.
Typ_GruppenInfo GruppenInfo_aus_Zeile(const QString& line);

} // namespace talvero
