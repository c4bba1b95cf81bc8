#pragma once

#include <QString>

namespace talvero {

// A result text of at most 15 characters; every assignment keeps only the first 15.
class E_String {
public:
    static constexpr qsizetype Laenge = 15;

    E_String() = default;
    E_String(const QString& text) : text_(text.left(Laenge)) {}
    E_String(const char16_t* text) : E_String(QString::fromUtf16(text)) {}

    const QString& text() const { return text_; }
    bool isEmpty() const { return text_.isEmpty(); }
    operator const QString&() const { return text_; }

    bool operator==(const E_String&) const = default;

private:
    QString text_;
};

} // namespace talvero
