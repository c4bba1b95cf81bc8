#include "app/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace talvero {
namespace {

Meldungsdienst* installiert = nullptr;

} // namespace

Meldungsdienst& meldungsdienst() {
    static Meldungsfenster fenster;
    return installiert ? *installiert : fenster;
}

void meldungsdienst_installieren(Meldungsdienst* dienst) {
    installiert = dienst;
}

void Meldungsfenster::zeigen(const Meldung& meldung) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString titel = QApplication::applicationName();
    switch (meldung.art) {
    case Meldungsart::Information:
        icon = QMessageBox::Information;
        titel = QStringLiteral("Informationen");
        break;
    case Meldungsart::Fehler:
        icon = QMessageBox::Critical;
        titel = QStringLiteral("Fehler");
        break;
    case Meldungsart::Bestaetigung:
        icon = QMessageBox::Question;
        titel = QStringLiteral("Bestätigen");
        break;
    case Meldungsart::Schlicht:
        break;
    }
    // The texts keep the CR LF line ends of the files; the box wants plain line feeds.
    QString text = meldung.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, titel, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

Antwort Meldungsfenster::fragen(const QString& text, bool mitAbbrechen) {
    QMessageBox::StandardButtons knoepfe = QMessageBox::Yes | QMessageBox::No;
    if (mitAbbrechen)
        knoepfe |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), text, knoepfe,
                    QApplication::activeWindow());
    box.setEscapeButton(mitAbbrechen ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return mitAbbrechen ? Antwort::Abbrechen : Antwort::Nein;
    }
}

Antwort Meldungsrekorder::fragen(const QString& text, bool mitAbbrechen) {
    gefragt.push_back({text, mitAbbrechen});
    if (antworten.empty())
        return Antwort::Ja;
    const Antwort a = antworten.front();
    antworten.pop_front();
    return a;
}

} // namespace talvero
