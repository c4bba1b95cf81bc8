#pragma once

#include <QByteArray>
#include <expected>

namespace talvero::container {

// The container: salt, 2-byte password verification value, AES-CTR payload as long
// as the plain text, 10-byte HMAC-SHA1 code over the payload. Keys by PBKDF2-HMAC-SHA1
// with 1000 iterations. Mode 1 (AES-128, 8-byte salt) is what the program writes.

inline constexpr int Puffergroesse = 262144;
inline constexpr int Trailergroesse = 10;

int Salzlaenge(int mode);
inline int Headergroesse(int mode) {
    return Salzlaenge(mode) + 2;
}

enum class Fehler {
    ZuKurz,          // shorter than header and trailer
    Passwort,        // verification value differs: wrong password or not a container
    Authentisierung, // code differs: damaged or altered
};

// Password bytes: cut to the first 128.
QByteArray Passwortbytes(QByteArrayView password);

// Encrypts with a fresh salt from the system's random source.
QByteArray verschluesseln(QByteArrayView plain, QByteArrayView password, int mode = 1);

// Encrypts with the given salt (Salzlaenge(mode) bytes); for reproducible files.
QByteArray verschluesseln_mit_Salz(QByteArrayView plain, QByteArrayView password,
                                   QByteArrayView salt, int mode = 1);

// Decrypts and verifies a whole container.
std::expected<QByteArray, Fehler> entschluesseln(QByteArrayView data, QByteArrayView password,
                                                 int mode = 1);

} // namespace talvero::container
