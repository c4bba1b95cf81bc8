#include "convert/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace talvero {
namespace {

// A formatted number as bytes: the result texts are built here and become a QString
// once, which keeps a thousand results per computation cheap.
struct Text {
    char data[160];
    int size = 0;

    QString toQString() const { return QString::fromLatin1(data, size); }
    void commaForPoint() {
        for (int i = 0; i < size; ++i)
            if (data[i] == '.')
                data[i] = ',';
    }
};

// double's printing is much faster than long double's and yields the same rounded
// digits for the 7 and about 11 places shown; huge and tiny values keep long double.
bool viaDouble(long double x) {
    const long double a = std::fabs(x);
    return a == 0 || (a >= 1e-300L && a < 1e15L);
}

Text scientific(long double x) {
    Text t;
    char digits[64];
    const long double a = std::fabs(x);
    const auto r =
        viaDouble(a)
            ? std::to_chars(digits, digits + sizeof digits, static_cast<double>(a),
                            std::chars_format::scientific, 6)
            : std::to_chars(digits, digits + sizeof digits, a, std::chars_format::scientific, 6);
    const char* e = std::find(digits, r.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);
    if (x < 0)
        t.data[t.size++] = '-';
    for (const char* p = digits; p != e; ++p)
        t.data[t.size++] = *p == '.' ? ',' : *p;
    t.data[t.size++] = 'E';
    t.data[t.size++] = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    for (int div = 1000; div > 0; div /= 10)
        t.data[t.size++] = static_cast<char>('0' + magnitude / div % 10);
    return t;
}

std::optional<Text> fixed(long double x, int d) {
    Text t;
    const auto r = viaDouble(x) ? std::to_chars(t.data, t.data + sizeof t.data,
                                                static_cast<double>(x), std::chars_format::fixed, d)
                                : std::to_chars(t.data, t.data + sizeof t.data, x,
                                                std::chars_format::fixed, d);
    if (r.ec != std::errc())
        return std::nullopt;
    t.size = static_cast<int>(r.ptr - t.data);
    t.commaForPoint();
    return t;
}

QString fixedText(long double x, int d) {
    if (const auto t = fixed(x, d))
        return t->toQString();
    // Only huge magnitudes need more room than the everyday buffer.
    std::string big(5200, '\0');
    const auto r =
        std::to_chars(big.data(), big.data() + big.size(), x, std::chars_format::fixed, d);
    return Tausche(QString::fromLatin1(big.data(), r.ptr - big.data()), u'.', u',');
}

} // namespace

QString Tausche(const QString& Wort, QChar Ist, QChar Soll) {
    QString out = Wort;
    out.replace(Ist, Soll);
    return out;
}

std::optional<long double> Zahl_lesen(const QString& text) {
    const QString t = Tausche(text, u',', u'.');
    qsizetype i = 0;
    while (i < t.size() && t.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    // Check the shape ourselves: from_chars alone would accept "inf", "nan" and hex.
    const qsizetype start = i;
    qsizetype digits = 0;
    while (i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t.at(i) == u'.') {
        ++i;
        while (i < t.size() && t.at(i).unicode() >= '0' && t.at(i).unicode() <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t.at(i) == u'e' || t.at(i) == u'E')) {
        ++i;
        if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < t.size() && t.at(i).unicode() >= '0' && t.at(i).unicode() <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    const std::string s = t.mid(start).toStdString();
    long double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // An exponent so small that the value vanishes is zero; one too large is unreadable.
        const auto e = s.find_first_of("eE");
        if (e != std::string::npos && s[e + 1] == '-')
            return negative ? -0.0L : 0.0L;
        return std::nullopt;
    }
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

QString Wissenschaftliche_Form(long double x) {
    if (!std::isfinite(x))
        return Keine_Angabe();
    return scientific(x).toQString();
}

QString Festkomma_Form(long double x, int d) {
    if (!std::isfinite(x))
        return Keine_Angabe();
    if (x == 0)
        x = 0; // no "-0"
    return fixedText(x, d);
}

int Formatierung(double x) {
    const double a = std::fabs(x);
    double limit = 10.0;
    for (int decimals = 10; decimals > 0; --decimals) {
        if (a < limit)
            return decimals;
        limit *= 10.0;
    }
    return 0;
}

QString TausenderTrennzeichen(const QString& ZString) {
    const qsizetype a = ZString.indexOf(u',') + 1;
    if (a == 0)
        return ZString;
    QString out = ZString;
    const qsizetype groups = (a - 1) / 3;
    for (qsizetype i = 0; i < groups; ++i) {
        const qsizetype position = a - 3 - 3 * i;
        if (position > 1)
            out.insert(position - 1, u'.');
    }
    out.replace(QStringLiteral("-."), QStringLiteral("-"));
    return out;
}

double Ipo(double A1, double A2, double B1, double B2, double By) {
    return A1 + (A2 - A1) / (B2 - B1) * (By - B1);
}

Ergebnispaar Standardpaar(long double x, bool Trennzeichen) {
    Ergebnispaar p;
    p.wiss = Wissenschaftliche_Form(x);
    const long double a = std::fabs(x);
    if (a > 9.9e12L || a < 5e-11L)
        p.fliess = Wissenschaftliche_Form(x);
    else
        p.fliess = Festkomma_Form(x, Formatierung(static_cast<double>(x)));
    if (Trennzeichen)
        p.fliess = TausenderTrennzeichen(p.fliess);
    return p;
}

Ergebnispaar Temperaturpaar(long double x) {
    if (std::fabs(x) < 1e-10L)
        x = 0;
    if (x == 0)
        return {Wissenschaftliche_Form(x), Festkomma_Form(x, 10)};
    return Standardpaar(x);
}

Ergebnispaar Araeometerpaar(long double x) {
    if (x < 0.000001L)
        x = 0;
    return Standardpaar(x);
}

Ergebnispaar Viskositaetspaar(long double x) {
    return {Wissenschaftliche_Form(x), Festkomma_Form(x, Formatierung(static_cast<double>(x)))};
}

Ergebnispaar Schuhpaar(long double x) {
    if (x < 0)
        return Textpaar(Keine_Angabe());
    return {Wissenschaftliche_Form(x), Festkomma_Form(x, 1)};
}

Ergebnispaar Textpaar(const QString& text) {
    return {text, text};
}

} // namespace talvero
