#include "database/container.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

namespace talvero::container {
namespace {

constexpr int kIterations = 1000;

int keyLength(int mode) {
    return mode == 2 ? 24 : mode == 3 ? 32 : 16;
}

const EVP_CIPHER* ecbCipher(int mode) {
    return mode == 2 ? EVP_aes_192_ecb() : mode == 3 ? EVP_aes_256_ecb() : EVP_aes_128_ecb();
}

struct CipherCtxFree {
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};
struct MacCtxFree {
    void operator()(EVP_MAC_CTX* c) const { EVP_MAC_CTX_free(c); }
};
struct MacFree {
    void operator()(EVP_MAC* m) const { EVP_MAC_free(m); }
};

struct Keys {
    QByteArray aes;
    QByteArray mac;
    QByteArray check;
};

Keys deriveKeys(QByteArrayView password, QByteArrayView salt, int mode) {
    const int k = keyLength(mode);
    QByteArray out(2 * k + 2, '\0');
    const QByteArray pwd = Passwortbytes(password);
    if (PKCS5_PBKDF2_HMAC(pwd.constData(), static_cast<int>(pwd.size()),
                          reinterpret_cast<const unsigned char*>(salt.data()),
                          static_cast<int>(salt.size()), kIterations, EVP_sha1(), out.size(),
                          reinterpret_cast<unsigned char*>(out.data())) != 1)
        throw std::runtime_error("PBKDF2 failed");
    Keys keys{out.left(k), out.mid(k, k), out.right(2)};
    OPENSSL_cleanse(out.data(), out.size());
    return keys;
}

// AES in counter mode with a little-endian 64-bit counter in bytes 0..7, starting at 1;
// the stream runs on across pieces.
class CounterStream {
public:
    CounterStream(const QByteArray& key, int mode) : ctx_(EVP_CIPHER_CTX_new()) {
        if (!ctx_ ||
            EVP_EncryptInit_ex(ctx_.get(), ecbCipher(mode), nullptr,
                               reinterpret_cast<const unsigned char*>(key.data()), nullptr) != 1)
            throw std::runtime_error("AES init failed");
        EVP_CIPHER_CTX_set_padding(ctx_.get(), 0);
    }
    ~CounterStream() {
        OPENSSL_cleanse(block_.data(), block_.size());
        OPENSSL_cleanse(batch_.data(), batch_.size());
    }

    void apply(char* data, qsizetype n) {
        qsizetype i = 0;
        while (i < n) {
            if (used_ < 16) {
                data[i++] ^= static_cast<char>(block_[used_++]);
                continue;
            }
            const qsizetype blocks = std::min<qsizetype>((n - i) / 16, kBatch);
            if (blocks == 0) {
                nextBlock();
                continue;
            }
            // Whole blocks in one cipher call: the counters first, then their encryption.
            for (qsizetype b = 0; b < blocks; ++b) {
                increment();
                std::copy(counter_.begin(), counter_.end(), batch_.begin() + 16 * b);
            }
            encrypt(batch_.data(), batch_.data(), static_cast<int>(16 * blocks));
            for (qsizetype k = 0; k < 16 * blocks; ++k)
                data[i + k] ^= static_cast<char>(batch_[k]);
            i += 16 * blocks;
        }
    }

private:
    static constexpr qsizetype kBatch = 1024;

    void increment() {
        for (int j = 0; j < 8; ++j)
            if (++counter_[j] != 0)
                break;
    }
    void encrypt(unsigned char* out, const unsigned char* in, int len) {
        int outLen = 0;
        if (EVP_EncryptUpdate(ctx_.get(), out, &outLen, in, len) != 1)
            throw std::runtime_error("AES failed");
    }
    void nextBlock() {
        increment();
        encrypt(block_.data(), counter_.data(), 16);
        used_ = 0;
    }

    std::unique_ptr<EVP_CIPHER_CTX, CipherCtxFree> ctx_;
    std::array<unsigned char, 16> counter_{};
    std::array<unsigned char, 16> block_{};
    std::array<unsigned char, 16 * kBatch> batch_{};
    int used_ = 16;
};

class Mac {
public:
    explicit Mac(const QByteArray& key) : mac_(EVP_MAC_fetch(nullptr, "HMAC", nullptr)) {
        if (mac_)
            ctx_.reset(EVP_MAC_CTX_new(mac_.get()));
        char digest[] = "SHA1";
        OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string("digest", digest, 0),
                               OSSL_PARAM_construct_end()};
        if (!ctx_ || EVP_MAC_init(ctx_.get(), reinterpret_cast<const unsigned char*>(key.data()),
                                  key.size(), params) != 1)
            throw std::runtime_error("HMAC init failed");
    }
    void update(const char* data, qsizetype n) {
        if (n > 0 && EVP_MAC_update(ctx_.get(), reinterpret_cast<const unsigned char*>(data),
                                    static_cast<size_t>(n)) != 1)
            throw std::runtime_error("HMAC failed");
    }
    QByteArray code() {
        unsigned char out[EVP_MAX_MD_SIZE];
        size_t len = 0;
        if (EVP_MAC_final(ctx_.get(), out, &len, sizeof out) != 1)
            throw std::runtime_error("HMAC failed");
        return QByteArray(reinterpret_cast<const char*>(out), Trailergroesse);
    }

private:
    std::unique_ptr<EVP_MAC, MacFree> mac_;
    std::unique_ptr<EVP_MAC_CTX, MacCtxFree> ctx_;
};

} // namespace

int Salzlaenge(int mode) {
    return mode == 2 ? 12 : mode == 3 ? 16 : 8;
}

QByteArray Passwortbytes(QByteArrayView password) {
    return password.first(std::min<qsizetype>(password.size(), 128)).toByteArray();
}

QByteArray verschluesseln(QByteArrayView plain, QByteArrayView password, int mode) {
    QByteArray salt(Salzlaenge(mode), '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), salt.size()) != 1)
        throw std::runtime_error("no random bytes");
    return verschluesseln_mit_Salz(plain, password, salt, mode);
}

QByteArray verschluesseln_mit_Salz(QByteArrayView plain, QByteArrayView password,
                                   QByteArrayView salt, int mode) {
    const Keys keys = deriveKeys(password, salt, mode);
    CounterStream stream(keys.aes, mode);
    Mac mac(keys.mac);
    QByteArray out;
    out.reserve(salt.size() + 2 + plain.size() + Trailergroesse);
    out.append(salt);
    out.append(keys.check);
    // Piece by piece through one work buffer, as large files would be streamed.
    QByteArray buffer;
    for (qsizetype done = 0; done < plain.size(); done += Puffergroesse) {
        buffer = plain.sliced(done, std::min<qsizetype>(Puffergroesse, plain.size() - done))
                     .toByteArray();
        stream.apply(buffer.data(), buffer.size());
        mac.update(buffer.constData(), buffer.size());
        out.append(buffer);
    }
    out.append(mac.code());
    return out;
}

std::expected<QByteArray, Fehler> entschluesseln(QByteArrayView data, QByteArrayView password,
                                                 int mode) {
    const int header = Headergroesse(mode);
    if (data.size() < header + Trailergroesse)
        return std::unexpected(Fehler::ZuKurz);
    const Keys keys = deriveKeys(password, data.first(Salzlaenge(mode)), mode);
    if (data.sliced(Salzlaenge(mode), 2) != QByteArrayView(keys.check))
        return std::unexpected(Fehler::Passwort);
    const QByteArrayView payload = data.sliced(header, data.size() - header - Trailergroesse);
    CounterStream stream(keys.aes, mode);
    Mac mac(keys.mac);
    QByteArray plain;
    plain.reserve(payload.size());
    for (qsizetype done = 0; done < payload.size(); done += Puffergroesse) {
        QByteArray piece =
            payload.sliced(done, std::min<qsizetype>(Puffergroesse, payload.size() - done))
                .toByteArray();
        mac.update(piece.constData(), piece.size());
        stream.apply(piece.data(), piece.size());
        plain.append(piece);
    }
    const QByteArray code = mac.code();
    if (CRYPTO_memcmp(code.constData(), data.last(Trailergroesse).data(), Trailergroesse) != 0)
        return std::unexpected(Fehler::Authentisierung);
    return plain;
}

} // namespace talvero::container
