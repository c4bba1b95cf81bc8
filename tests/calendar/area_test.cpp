#include "calendar/calendar_area.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using namespace talvero;

// The units of the area as shipped, and one that is no calendar.
const QStringList& einheiten() {
    static const QStringList namen = {
        u"Abendländischer Kalender (12 Uhr)"_qs,
        u"Ägyptischer Kalender (Nabon.)"_qs,
        u"Armenischer Kalender"_qs,
        u"Äthiopischer Kalender"_qs,
        u"Bahá'i Kalender"_qs,
        u"Franz. Revolutionskalender"_qs,
        u"Gregorianischer Kalender (12 Uhr)"_qs,
        u"Indischer Kalender (Saka)"_qs,
        u"Iranischer Kalender (neu)"_qs,
        u"Iranischer Kalender (Yazdegard)"_qs,
        u"Islamischer Kalender"_qs,
        u"Jüdischer Kalender"_qs,
        u"Julianischer Kalender (12 Uhr)"_qs,
        u"Julianisches Datum"_qs,
        u"Julianisches Datum, modifiziert"_qs,
        u"Julianisches Datum, truncated"_qs,
        u"Koptischer Kalender"_qs,
        u"Lilianisches Datum"_qs,
        u"Maya-Kalender"_qs,
        u"Sonnenuhr"_qs,
    };
    return namen;
}

const ObjektListe& liste() {
    static const ObjektListe l = [] {
        ObjektListe out;
        for (const QString& name : einheiten()) {
            TAusgabetextobject o;
            o.Ausgabetext.Einheit = name;
            out.push_back(o);
        }
        return out;
    }();
    return l;
}

Umrechnungsergebnis rechnen(const QString& quelle, const QString& eingabe) {
    Umrechnungsauftrag a;
    a.Gebietname = u"Kalender"_qs;
    a.Eingabe = eingabe;
    a.Eintraege = &liste();
    a.Quellindex = static_cast<int>(einheiten().indexOf(quelle));
    return Rechnen_Kalender(a);
}

QString ergebnis(const Umrechnungsergebnis& r, const QString& einheit) {
    const auto i = einheiten().indexOf(einheit);
    return r.Ergebnisse.at(i).fliess;
}

const QString kFrueh = u"Kalenderberechnungen können erst ab dem 01.01.4713 v. Chr. des Julian. "
                       u"Kalenders (Julian. Datum = 0)) durchgeführt werden!"_qs;
const QString kSpaet = u"Kalenderberechnungen können max. bis zum Jahr 22666 des Greg. Kalenders "
                       u"(Julian. Datum = 10 000 000)) durchgeführt werden!"_qs;
const QString kFormMitJahr0 =
    u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum in der folgenden "
    u"Form ein: 20.03.1850 oder 20.03.-1000. Die Eingabe des Jahres 0 ist nicht zulässig, da das "
    u"Jahr 0 nicht existiert."_qs;
const QString kForm = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum "
                      u"in der folgenden Form ein: 20.03.1850"_qs;
const QString kLuecke = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Das eingegebene Datum "
                        u"ist im Abendländischen Kalender nicht vorhanden."_qs;
const QString kMaya = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum "
                      u"des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1"_qs;
const QString kJD = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                    u"\"Julianische Datum\" in der folgenden Form ein: 45205. "
                    u"Nachkommastellen sind nicht möglich."_qs;
const QString kMJD = u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das "
                     u"\"Julianische Datum, modifiziert\" in der folgenden Form ein: 45205. "
                     u"Nachkommastellen sind nicht möglich."_qs;
const QString kGregorianisch =
    u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum des "
    u"\"Gregorianischen Kalenders\" in der folgenden Form ein: 20.03.1850 oder 20.03.-1000"_qs;
const QString kJuedisch =
    u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum des "
    u"\"Jüdischen Kalenders\" in der folgenden Form ein: 20.03.1850 oder 20.03.-1000"_qs;

TEST(CalendarArea, DayZeroInEveryUnit) {
    const Umrechnungsergebnis r = rechnen(u"Julianisches Datum"_qs, u"0"_qs);
    ASSERT_TRUE(r.Berechnet);
    EXPECT_TRUE(r.Meldungen.empty());
    ASSERT_EQ(r.Ergebnisse.size(), liste().size());
    const std::pair<QString, QString> erwartet[] = {
        {u"Julianischer Kalender (12 Uhr)"_qs, u"01.01.-4713"_qs},
        {u"Gregorianischer Kalender (12 Uhr)"_qs, u"24.11.-4714"_qs},
        {u"Abendländischer Kalender (12 Uhr)"_qs, u"01.01.-4713"_qs},
        {u"Julianisches Datum"_qs, u"0"_qs},
        {u"Julianisches Datum, modifiziert"_qs, u"-2400001"_qs},
        {u"Julianisches Datum, truncated"_qs, u"-2440001"_qs},
        {u"Lilianisches Datum"_qs, u"-2299160"_qs},
        {u"Jüdischer Kalender"_qs, u"außerh. Bereich"_qs},
        {u"Franz. Revolutionskalender"_qs, u"außerh. Bereich"_qs},
        {u"Bahá'i Kalender"_qs, u"außerh. Bereich"_qs},
        {u"Maya-Kalender"_qs, u"außerh. Bereich"_qs},
        {u"Islamischer Kalender"_qs, u"17.08.-5499"_qs},
        {u"Indischer Kalender (Saka)"_qs, u"03.09.-4792"_qs},
        {u"Sonnenuhr"_qs, QString()},
    };
    for (const auto& [einheit, text] : erwartet)
        EXPECT_EQ(ergebnis(r, einheit), text) << einheit.toStdString();
    for (const Ergebnispaar& p : r.Ergebnisse)
        EXPECT_EQ(p.wiss, p.fliess);
}

// A value typed for one unit, and what one other unit then shows, or the message.
struct Fall {
    const char* name;
    const char16_t* quelle;
    const char16_t* eingabe;
    const char16_t* ziel = u"";
    const char16_t* text = u"";
    const QString* meldung = nullptr;
    friend void PrintTo(const Fall& c, std::ostream* os) { *os << c.name; }
};

class CalendarAreaCase : public testing::TestWithParam<Fall> {};

TEST_P(CalendarAreaCase, ComputesOrReports) {
    const Fall& c = GetParam();
    const Umrechnungsergebnis r =
        rechnen(QString::fromUtf16(c.quelle), QString::fromUtf16(c.eingabe));
    if (c.meldung) {
        EXPECT_FALSE(r.Berechnet);
        EXPECT_TRUE(r.Ergebnisse.empty());
        ASSERT_EQ(r.Meldungen.size(), 1u);
        EXPECT_EQ(r.Meldungen.front().text, *c.meldung);
        EXPECT_EQ(r.Meldungen.front().art, Meldungsart::Fehler);
        EXPECT_EQ(r.Meldungen.front().fokus, u"Edit_Eingabe"_qs);
    } else {
        ASSERT_TRUE(r.Berechnet) << (r.Meldungen.empty() ? std::string("no message")
                                                         : r.Meldungen.front().text.toStdString());
        EXPECT_EQ(ergebnis(r, QString::fromUtf16(c.ziel)), QString::fromUtf16(c.text));
    }
}

constexpr const char16_t* JD = u"Julianisches Datum";
constexpr const char16_t* MJD = u"Julianisches Datum, modifiziert";
constexpr const char16_t* TJD = u"Julianisches Datum, truncated";
constexpr const char16_t* LD = u"Lilianisches Datum";
constexpr const char16_t* JUL = u"Julianischer Kalender (12 Uhr)";
constexpr const char16_t* GREG = u"Gregorianischer Kalender (12 Uhr)";
constexpr const char16_t* WEST = u"Abendländischer Kalender (12 Uhr)";
constexpr const char16_t* HEBR = u"Jüdischer Kalender";
constexpr const char16_t* BAHAI = u"Bahá'i Kalender";
constexpr const char16_t* MAYA = u"Maya-Kalender";

INSTANTIATE_TEST_SUITE_P(
    Inputs, CalendarAreaCase,
    testing::Values(
        // Day counts: whole numbers, leading blanks and a sign; the range 0 to 10 000 000.
        Fall{"jd_last_day", JD, u"10000000", GREG, u"20.12.22666"},
        Fall{"jd_after_last_day", JD, u"10000001", u"", u"", &kSpaet},
        Fall{"jd_negative", JD, u"-1", u"", u"", &kFrueh},
        Fall{"jd_fraction", JD, u"45205,5", u"", u"", &kJD},
        Fall{"jd_fraction_point", JD, u"45205.5", u"", u"", &kJD},
        Fall{"jd_letters", JD, u"45x205", u"", u"", &kJD},
        Fall{"jd_inner_blank", JD, u"2451 545", u"", u"", &kJD},
        Fall{"jd_trailing_blank", JD, u"2451545 ", u"", u"", &kJD},
        Fall{"jd_hex", JD, u"$2A", u"", u"", &kJD}, Fall{"jd_empty", JD, u"", u"", u"", &kJD},
        Fall{"jd_leading_blanks_and_sign", JD, u"  +2451545", GREG, u"01.01.2000"},
        Fall{"jd_beyond_32_bits", JD, u"99999999999", u"", u"", &kSpaet},
        Fall{"jd_far_below_32_bits", JD, u"-99999999999", u"", u"", &kFrueh},
        Fall{"mjd_offset", MJD, u"51544", GREG, u"01.01.2000"},
        Fall{"mjd_written", GREG, u"01.01.2000", MJD, u"51544"},
        Fall{"mjd_would_wrap_in_32_bits", MJD, u"2147483647", u"", u"", &kSpaet},
        Fall{"mjd_empty", MJD, u"", u"", u"", &kMJD},
        Fall{"tjd_offset", TJD, u"11544", GREG, u"01.01.2000"},
        Fall{"lilian_day_1", LD, u"1", GREG, u"15.10.1582"},
        // The western calendar around the switch.
        Fall{"west_last_julian_day", WEST, u"04.10.1582", JD, u"2299160"},
        Fall{"west_first_gregorian_day", WEST, u"15.10.1582", JD, u"2299161"},
        Fall{"west_switch_in_julian", WEST, u"15.10.1582", JUL, u"05.10.1582"},
        Fall{"west_writes_julian", JD, u"2299160", WEST, u"04.10.1582"},
        Fall{"west_writes_gregorian", JD, u"2299161", WEST, u"15.10.1582"},
        Fall{"west_skipped_day", WEST, u"10.10.1582", u"", u"", &kLuecke},
        Fall{"west_skipped_first", WEST, u"05.10.1582", u"", u"", &kLuecke},
        Fall{"west_skipped_last", WEST, u"14.10.1582", u"", u"", &kLuecke},
        Fall{"west_skipped_leading_zero_year", WEST, u"10.10.01582", u"", u"", &kLuecke},
        Fall{"julian_has_no_gap", JUL, u"10.10.1582", GREG, u"20.10.1582"},
        // Shapes of dates.
        Fall{"greg_year_0", GREG, u"01.01.0000", u"", u"", &kFormMitJahr0},
        Fall{"greg_31_february", GREG, u"31.02.2000", GREG, u"02.03.2000"},
        Fall{"greg_day_32", GREG, u"32.01.2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_day_0", GREG, u"00.01.2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_month_13", GREG, u"01.13.2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_one_digit_day", GREG, u"1.01.2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_dashes", GREG, u"01-01-2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_no_year", GREG, u"01.01.", u"", u"", &kFormMitJahr0},
        Fall{"greg_letters_in_year", GREG, u"01.01.20a0", u"", u"", &kFormMitJahr0},
        Fall{"greg_letters_in_day", GREG, u"ab.01.2000", u"", u"", &kFormMitJahr0},
        Fall{"greg_blank_in_day", GREG, u" 1.01.2000", u"", u"", &kGregorianisch},
        Fall{"greg_negative_day", GREG, u"-1.01.2000", GREG, u"30.12.1999"},
        Fall{"greg_year_before_1", GREG, u"01.01.-1000", JUL, u"10.01.-1000"},
        Fall{"greg_five_digit_year", GREG, u"01.01.22666", JD, u"9999647"},
        Fall{"greg_five_digit_year_too_late", GREG, u"01.01.22667", u"", u"", &kSpaet},
        Fall{"greg_five_digit_negative_year", GREG, u"01.01.-10000", u"", u"", &kFrueh},
        Fall{"greg_overlong_year", GREG, u"01.01.99999999999", u"", u"", &kSpaet},
        Fall{"greg_overlong_negative_year", GREG, u"01.01.-99999999999", u"", u"", &kFrueh},
        Fall{"greg_year_wraps_in_32_bits", GREG, u"01.01.10000000", u"", u"", &kSpaet},
        Fall{"greg_before_day_0", GREG, u"01.01.-4714", u"", u"", &kFrueh},
        Fall{"hebrew_year_0_plain_message", HEBR, u"01.01.0000", u"", u"", &kForm},
        Fall{"hebrew_2024", HEBR, u"15.08.5784", GREG, u"23.04.2024"},
        Fall{"hebrew_negative_year", HEBR, u"01.01.-5", u"", u"", &kJuedisch},
        Fall{"hebrew_negative_month", HEBR, u"01.-1.5784", u"", u"", &kJuedisch},
        Fall{"bahai_month_19", BAHAI, u"01.19.181", GREG, u"26.02.2025"},
        Fall{"bahai_month_20_refused", BAHAI, u"01.20.181", u"", u"", &kForm},
        Fall{"bahai_before_its_start", GREG, u"20.03.1844", BAHAI, u"außerh. Bereich"},
        // Maya long counts.
        Fall{"maya_13_baktun", MAYA, u"13.0.0.0.0", GREG, u"21.12.2012"},
        Fall{"maya_written", GREG, u"23.04.2024", MAYA, u"13.0.11.9.1"},
        Fall{"maya_three_pieces", MAYA, u"7.17.18", u"", u"", &kMaya},
        Fall{"maya_four_pieces", MAYA, u"13.0.0.0", u"", u"", &kMaya},
        Fall{"maya_six_pieces", MAYA, u"13.0.0.0.0.5", u"", u"", &kMaya},
        Fall{"maya_empty_piece", MAYA, u"13..0.0.0", u"", u"", &kMaya},
        Fall{"maya_letter", MAYA, u"13.0.x.0.0", u"", u"", &kMaya},
        Fall{"maya_empty", MAYA, u"", u"", u"", &kMaya},
        Fall{"maya_before_day_0", MAYA, u"-5.0.0.0.0", u"", u"", &kFrueh},
        Fall{"maya_piece_beyond_32_bits", MAYA, u"13.0.0.0.9999999999", u"", u"", &kSpaet},
        // A source unit that is no calendar shows day 0.
        Fall{"unknown_source", u"Sonnenuhr", u"whatever", JUL, u"01.01.-4713"}),
    [](const testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

TEST(CalendarArea, EmptyDateDoesNothing) {
    const Umrechnungsergebnis r = rechnen(u"Jüdischer Kalender"_qs, QString());
    EXPECT_FALSE(r.Berechnet);
    EXPECT_TRUE(r.Meldungen.empty());
    EXPECT_TRUE(r.Ergebnisse.empty());
}

// Every unit's message names the unit's own form.
TEST(CalendarArea, EveryDateUnitHasItsMessage) {
    const std::pair<QString, QString> faelle[] = {
        {u"Franz. Revolutionskalender"_qs, u"\"Franz. Revolutionskalenders\" in der folgenden "
                                           u"Form ein: 30.03.01 oder 20.03.-1000"_qs},
        {u"Iranischer Kalender (Yazdegard)"_qs,
         u"\"Iranischen Kalenders\" in der folgenden Form ein: 30.03.01"_qs},
        {u"Ägyptischer Kalender (Nabon.)"_qs,
         u"\"Ägyptischen Kalenders (Nabon.)\" in der folgenden Form ein: 30.03.01"_qs},
        {u"Bahá'i Kalender"_qs, u"\"Bahá'i Kalenders\" in der folgenden Form ein: 30.03.01"_qs},
        {u"Indischer Kalender (Saka)"_qs,
         u"\"Indischen Kalenders\" in der folgenden Form ein: 30.03.01"_qs},
    };
    for (const auto& [einheit, ende] : faelle) {
        // A blank passes the shape check but not the strict reading of the parts.
        const Umrechnungsergebnis r = rechnen(einheit, u"01.01. 100"_qs);
        ASSERT_EQ(r.Meldungen.size(), 1u) << einheit.toStdString();
        EXPECT_EQ(
            r.Meldungen.front().text,
            u"Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum des "_qs +
                ende);
    }
}

// Every unit of the shipped area is one the conversion knows by name, as target and
// as source: what a unit shows for a day reads back to that day.
TEST(CalendarArea, RecognisesEveryShippedUnit) {
    QFile f(QStringLiteral(TALVERO_SOURCE_DIR "/data/database/KALENDER.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ObjektListe geliefert;
    for (const QString& zeile : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        TAusgabetextobject o;
        o.Ausgabetext = Ausgabetext_aus_Zeile(zeile);
        geliefert.push_back(o);
    }
    ASSERT_EQ(geliefert.size(), 19u);
    const auto jd = std::ranges::find_if(geliefert, [](const TAusgabetextobject& o) {
        return o.Ausgabetext.Einheit == u"Julianisches Datum"_qs;
    });
    ASSERT_NE(jd, geliefert.end());
    const int jdIndex = static_cast<int>(jd - geliefert.begin());

    // 2376000 lies in the French calendar's span, 2460424 in every other one's.
    for (const QString& tag : {u"2460424"_qs, u"2376000"_qs}) {
        Umrechnungsauftrag a;
        a.Eintraege = &geliefert;
        a.Quellindex = jdIndex;
        a.Eingabe = tag;
        const Umrechnungsergebnis hin = Rechnen_Kalender(a);
        ASSERT_TRUE(hin.Berechnet);
        for (int quelle = 0; quelle < 19; ++quelle) {
            const QString name = geliefert[quelle].Ausgabetext.Einheit;
            const QString text = hin.Ergebnisse[quelle].fliess;
            ASSERT_FALSE(text.isEmpty()) << name.toStdString();
            if (text == u"außerh. Bereich"_qs)
                continue;
            a.Quellindex = quelle;
            a.Eingabe = text;
            const Umrechnungsergebnis zurueck = Rechnen_Kalender(a);
            ASSERT_TRUE(zurueck.Berechnet) << name.toStdString();
            EXPECT_EQ(zurueck.Ergebnisse[jdIndex].fliess.text(), tag) << name.toStdString();
        }
    }
}

} // namespace
