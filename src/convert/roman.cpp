#include "convert/roman.h"

namespace talvero {
namespace {

// One decimal digit with the letters for one, five and ten of its place.
QString Stelle(qint64 ziffer, QChar eins, QChar fuenf, QChar zehn) {
    if (ziffer == 9)
        return QString(eins) + zehn;
    if (ziffer == 4)
        return QString(eins) + fuenf;
    QString text = ziffer >= 5 ? QString(fuenf) : QString();
    return text + QString(ziffer % 5, eins);
}

int Buchstabenwert(QChar c) {
    switch (c.unicode()) {
    case u'I':
        return 1;
    case u'V':
        return 5;
    case u'X':
        return 10;
    case u'L':
        return 50;
    case u'C':
        return 100;
    case u'D':
        return 500;
    case u'M':
        return 1000;
    default:
        return 0;
    }
}

} // namespace

std::optional<QString> Roemische_Zahl(qint64 n) {
    if (n < 0 || n > 9999)
        return std::nullopt;
    QString text(n / 1000, u'M');
    text += Stelle(n / 100 % 10, u'C', u'D', u'M');
    text += Stelle(n / 10 % 10, u'X', u'L', u'C');
    text += Stelle(n % 10, u'I', u'V', u'X');
    if (text.size() > 14)
        return std::nullopt;
    return text;
}

qint64 Roemischer_Wert(QStringView text) {
    qint64 summe = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int wert = Buchstabenwert(text[i]);
        const bool kleiner = i + 1 < text.size() && Buchstabenwert(text[i + 1]) > wert;
        summe += kleiner ? -wert : wert;
    }
    return summe;
}

} // namespace talvero
