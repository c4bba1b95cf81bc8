#include "database/tokens.h"

#include <QStringList>

namespace talvero {

QString GetToken(const QString& aString, const QString& SepChar, int TokenNum) {
    if (SepChar.isEmpty())
        return TokenNum == 1 ? aString : QString();
    QString copy = aString;
    QString result;
    int i = 1;
    qsizetype pos = copy.size();
    while (i <= TokenNum && pos != 0) {
        pos = copy.indexOf(SepChar) + 1;
        if (pos != 0) {
            result = copy.left(pos - 1);
            copy.remove(0, pos - 1 + SepChar.size());
            ++i;
        } else {
            result = copy;
        }
    }
    return i < TokenNum ? QString() : result;
}

QString SetToken(const QString& aString, const QString& PartString, int TokenNum) {
    QStringList fields = aString.split(u'\t');
    if (TokenNum < 1 || TokenNum > fields.size())
        return aString;
    fields[TokenNum - 1] = PartString;
    return fields.join(u'\t');
}

} // namespace talvero
