#include "app_env.h"

#include "convert/numbers.h"
#include "database/datafile.h"
#include "database/keys.h"

#include <QApplication>
#include <QCoreApplication>
#include <stdexcept>

namespace talvero::test {

void Anwendung_sicherstellen() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero"));
}

Fensterumgebung::Fensterumgebung() {
    Anwendung_sicherstellen();
    meldungsdienst_installieren(&rekorder);
    env.Datenordner_schreiben(
        {u"Länge\tLAENGE\tMeter"_qs, u"Temperatur\tTEMPERAT\tKelvin"_qs,
         u"Brüche\tBRUECHE\tDezimalzahl"_qs, u"Weltzeit\tWELTZEIT\tUTC"_qs},
        {u"Längen aller Art"_qs, u"*"_qs, u"Temperaturen"_qs, u"*"_qs, u"Brüche"_qs, u"*"_qs,
         u"Zeitzonen"_qs, u"*"_qs},
        {{u"LAENGE"_qs,
          {Einheitenzeile(u"Meter"_qs, u"1"_qs, u"SI-Einheit"_qs, u"m"_qs),
           Einheitenzeile(u"Zoll"_qs, u"0,0254"_qs, u"Englisches System"_qs, u"in"_qs),
           Einheitenzeile(u"Rute"_qs, u"2,92"_qs, u"Deutschland-Bayern"_qs),
           Einheitenzeile(u"Fuß"_qs, u"0,3048"_qs, u"Englisches System"_qs, u"ft"_qs),
           Einheitenzeile(u"Ärmel"_qs, u"0,6"_qs, u"Österreich"_qs)}},
         {u"TEMPERAT"_qs,
          {Einheitenzeile(u"Kelvin"_qs, u"1"_qs, u"SI-Einheit"_qs, u"K"_qs),
           Einheitenzeile(u"Celsius"_qs, u"1"_qs, u"Internationale Einheit"_qs),
           Einheitenzeile(u"Fahrenheit"_qs, u"1"_qs, u"USA"_qs)}},
         {u"BRUECHE"_qs,
          {Einheitenzeile(u"Bruch"_qs, u"1"_qs, u"Sonstige Einheit"_qs),
           Einheitenzeile(u"Dezimalzahl"_qs, u"1"_qs, u"Sonstige Einheit"_qs)}},
         {u"WELTZEIT"_qs, {Einheitenzeile(u"UTC"_qs, u"1"_qs, u"Internationale Einheit"_qs)}}});
    const auto r = Datei_verschluesseln_und_speichern(
        {u"Deutschland\tDE\tGermany\tj"_qs, u"Deutschland-Bayern\t-\tBavaria\tj"_qs,
         u"Österreich\tAT\tAustria\tj"_qs, u"USA\tUS\tUSA\tj"_qs,
         u"Englisches System\t-\tEnglish system\tj"_qs, u"SI-Einheit\t-\tSI unit\tj"_qs,
         u"Internationale Einheit\t-\tInternational unit\tj"_qs,
         u"Sonstige Einheit\t-\tOther unit\tj"_qs},
        env.programmordner() + u"LAENDER.NFO1"_qs, Schluessel1());
    if (!r)
        throw std::runtime_error(r.error().toStdString());
}

Fensterumgebung::~Fensterumgebung() {
    meldungsdienst_installieren(nullptr);
}

std::unique_ptr<TMyWindow> Fensterumgebung::Fenster_starten() {
    auto w = std::make_unique<TMyWindow>();
    w->show();
    QCoreApplication::processEvents();
    return w;
}

QStringList Fensterumgebung::Meldungstexte() {
    QStringList out;
    for (const Meldung& m : rekorder.gezeigt)
        out << m.text;
    rekorder.gezeigt.clear();
    return out;
}

Umrechnungsergebnis Testumrechner::operator()(const Umrechnungsauftrag& a) {
    ++aufrufe;
    Umrechnungsergebnis r;
    const auto v = Zahl_lesen(a.Eingabe);
    if (!v || *v == 0) {
        r.Meldungen.push_back({Meldungsart::Fehler,
                               QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! "),
                               QStringLiteral("Edit_Eingabe")});
        return r;
    }
    const long double basis =
        *v * (*a.Eintraege)[static_cast<std::size_t>(a.Quellindex)].Ausgabetext.Mult;
    for (const auto& e : *a.Eintraege)
        r.Ergebnisse.push_back(
            Standardpaar(e.Ausgabetext.Mult > 0 ? basis / e.Ausgabetext.Mult : 0));
    r.Berechnet = true;
    return r;
}

} // namespace talvero::test
