#include "database/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace talvero {
namespace {

// Group "7.0" and its subgroup "Fenster".
QString Gruppe(QStringView name) {
    return QStringLiteral("7.0/") + name.toString();
}
QString Fenster(QStringView name) {
    return QStringLiteral("7.0/Fenster/") + name.toString();
}

// A value that is present and a string; any other type fails the step.
struct Fehlschlag {};

std::optional<QString> Text(const QSettings& s, const QString& key) {
    const QVariant v = s.value(key);
    if (!v.isValid())
        return std::nullopt;
    if (v.typeId() != QMetaType::QString)
        throw Fehlschlag{};
    return v.toString();
}

int Ganzzahl(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        throw Fehlschlag{};
    return n;
}

Meldung Standardmeldung() {
    return {Meldungsart::Information,
            QStringLiteral("Der Talvero wird mit Standardeinstellungen geöffnet, da noch keine "
                           "Angaben in der Windows-Registry vorhanden sind oder diese nicht "
                           "gelesen werden konnten."),
            {}};
}

} // namespace

QString Einstellungsdatei() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Quellwerk/TVR.ini");
}

Gelesene_Einstellungen Registry_lesen() {
    Gelesene_Einstellungen g;
    Einstellungen& e = g.werte;
    const QSettings s(Einstellungsdatei(), QSettings::IniFormat);
    try {
        if (s.status() != QSettings::NoError)
            throw Fehlschlag{};
        const QString gruppe = Text(s, Gruppe(u"Gruppe")).value_or(QString());
        e.Gebietsnummer = gruppe.isEmpty() ? 1 : Ganzzahl(gruppe);
        // Numbers below 1 are not meant to occur; they select the first area like 0.
        if (e.Gebietsnummer < 1)
            e.Gebietsnummer = 1;

        const QString sortierung = Text(s, Gruppe(u"ESortierung")).value_or(QString());
        e.ESortierung =
            (sortierung == u"Land" || sortierung == u"Alphabet" || sortierung == u"Groesse")
                ? sortierung
                : QStringLiteral("Alphabet");

        const QString wiss = Text(s, Gruppe(u"ausg_wiss")).value_or(QString());
        e.Ausgabe_wissenschaftlich = (wiss.isEmpty() ? 1 : Ganzzahl(wiss)) == 0;

        e.Automatisches_Rechnen = Text(s, Gruppe(u"autorechnen")) == u"1";

        e.Versteckt.Reg_Laender = Text(s, Gruppe(u"Reg_Laender")).value_or(QString());
        e.Versteckt.Reg_Laenge = Text(s, Gruppe(u"Reg_Laenge")).value_or(QString());
        e.Versteckt.Reg_Flaeche = Text(s, Gruppe(u"Reg_Flaeche")).value_or(QString());
        e.Versteckt.Reg_Volumen = Text(s, Gruppe(u"Reg_Volumen")).value_or(QString());
        e.Versteckt.Reg_Masse = Text(s, Gruppe(u"Reg_Masse")).value_or(QString());

        // The window values must be present.
        const auto fenster = [&](QStringView name) {
            const auto t = Text(s, Fenster(name));
            if (!t)
                throw Fehlschlag{};
            return Ganzzahl(*t);
        };
        e.HF_Left = fenster(u"HF_Left");
        e.HF_Top = fenster(u"HF_Top");
        e.HF_Height = fenster(u"HF_Height");
    } catch (const Fehlschlag&) {
        e.Gebietsnummer = 1;
        e.ESortierung = QStringLiteral("Alphabet");
        e.Versteckt = {};
        e.Ausgabe_wissenschaftlich = true;
        g.meldung = Standardmeldung();
    }
    return g;
}

std::optional<Meldung> Registry_schreiben(const Einstellungen& e) {
    const QString path = Einstellungsdatei();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings s(path, QSettings::IniFormat);
    const auto zahl = [](int n) { return QString::number(n); };
    s.setValue(Gruppe(u"Gruppe"), zahl(e.Gebietsnummer));
    s.setValue(Gruppe(u"ESortierung"), e.ESortierung);
    s.setValue(Gruppe(u"ausg_wiss"), QStringLiteral("%1").arg(e.Ausgabe_wissenschaftlich ? 0 : 1));
    s.setValue(Gruppe(u"autorechnen"), QStringLiteral("%1").arg(e.Automatisches_Rechnen ? 1 : 0));
    s.setValue(Gruppe(u"Reg_Laender"), e.Versteckt.Reg_Laender);
    s.setValue(Gruppe(u"Reg_Laenge"), e.Versteckt.Reg_Laenge);
    s.setValue(Gruppe(u"Reg_Flaeche"), e.Versteckt.Reg_Flaeche);
    s.setValue(Gruppe(u"Reg_Volumen"), e.Versteckt.Reg_Volumen);
    s.setValue(Gruppe(u"Reg_Masse"), e.Versteckt.Reg_Masse);
    s.setValue(Fenster(u"HF_Left"), zahl(e.HF_Left.value_or(0)));
    s.setValue(Fenster(u"HF_Top"), zahl(e.HF_Top.value_or(0)));
    s.setValue(Fenster(u"HF_Height"), zahl(e.HF_Height.value_or(0)));
    s.sync();
    if (s.status() != QSettings::NoError)
        return Meldung{
            Meldungsart::Schlicht,
            QStringLiteral("Die aktuellen Einstellungen konnten nicht gespeichert werden"),
            {}};
    return std::nullopt;
}

} // namespace talvero
