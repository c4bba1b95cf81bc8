#include "database/records.h"

#include "convert/numbers.h"
#include "database/textcodec.h"
#include "database/tokens.h"

#include <QStringList>

namespace talvero {

long double Faktor_lesen(const QString& text) {
    return Zahl_lesen(text).value_or(0.0L);
}

Typ_Ausgabetext Ausgabetext_aus_Zeile(const QString& line) {
    QStringList f = line.split(u'\t');
    f.resize(Feldanzahl_Einheit);
    Typ_Ausgabetext t;
    t.Anzeige = true;
    t.Eigene_Einheit = f[1].isEmpty() ? QChar() : f[1].at(0);
    t.Sonstiges = ansiKuerzen(f[2], 5);
    t.Land_Nummer = 0;
    t.Land_Name = f[4];
    t.Bitmap_Nummer = 1;
    t.Kurzzeichen = ansiKuerzen(f[6], 20);
    t.Einheit = ansiKuerzen(f[7], 34);
    t.Mult = Faktor_lesen(f[8]);
    t.Einheit_auch = ansiKuerzen(f[9], 33);
    t.Uebersetzung = ansiKuerzen(f[10], 32);
    t.Einsatzgebiet = ansiKuerzen(f[11], 27);
    t.entspricht = ansiKuerzen(f[12], 40);
    t.ca_Wert = ansiKuerzen(f[13], 21);
    t.Ort = ansiKuerzen(f[14], 17);
    t.reg_Unterschiede = f[15] == u"j";
    t.gueltig_Zeit = ansiKuerzen(f[16], 15);
    t.zeitliche_Unterschiede = f[17] == u"j";
    t.freier_Infotext = f[18];
    return t;
}

Typ_GruppenInfo GruppenInfo_aus_Zeile(const QString& line) {
    const QString tab(u'\t');
    return {GetToken(line, tab, 1), GetToken(line, tab, 2), GetToken(line, tab, 3)};
}

} // namespace talvero
