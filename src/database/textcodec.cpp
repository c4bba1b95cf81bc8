#include "database/textcodec.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace talvero {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control
// characters of the same value, as the system conversion does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ansiByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QByteArray toAnsi(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character outside the code page.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(ansiByte(c.unicode()));
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = (u >= 0x80 && u < 0xA0) ? QChar(kHigh[u - 0x80]) : QChar(u);
    }
    return out;
}

QString ansiKuerzen(QStringView text, qsizetype maxLength) {
    const QStringView cut = text.left(maxLength);
    // Most texts are plain already: keep them without a round trip.
    const bool plain = std::all_of(cut.begin(), cut.end(), [](QChar c) {
        return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
    });
    return plain ? cut.toString() : fromAnsi(toAnsi(cut));
}

QStringList Textzeilen_lesen(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return splitLines(QString::fromUtf8(bytes.sliced(3)));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder dec(QStringDecoder::Utf16LE);
        return splitLines(dec(bytes.sliced(2)));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(QStringDecoder::Utf16BE);
        return splitLines(dec(bytes.sliced(2)));
    }
    return splitLines(fromAnsi(bytes));
}

QByteArray Textzeilen_schreiben(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out.append(toAnsi(line));
        out.append("\r\n", 2);
    }
    return out;
}

} // namespace talvero
