#include "UpdateVerifier.h"

#include <sodium.h>

namespace {

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

bool checksumMatches(const QByteArray& bytes, const QString& sha256) {
    QByteArray sum(crypto_hash_sha256_BYTES, '\0');
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(sum.data()), bytesOf(bytes),
                       static_cast<unsigned long long>(bytes.size()));
    return QString::fromLatin1(sum.toHex()) == sha256.toLower();
}

bool signatureMatches(const QByteArray& bytes, const QString& signature,
                      const QByteArray& publicKey) {
    const auto decoded = QByteArray::fromBase64Encoding(
        signature.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_BYTES ||
        publicKey.size() != crypto_sign_PUBLICKEYBYTES) {
        return false;
    }
    return crypto_sign_verify_detached(bytesOf(decoded.decoded), bytesOf(bytes),
                                       static_cast<unsigned long long>(bytes.size()),
                                       bytesOf(publicKey)) == 0;
}

}  // namespace

QByteArray UpdateVerifier::BuiltInPublicKey() {
    return DecodePublicKey(QByteArrayLiteral(ORVANEL_UPDATE_PUBLIC_KEY)).value_or(QByteArray());
}

std::optional<QByteArray> UpdateVerifier::DecodePublicKey(const QByteArray& text) {
    const auto decoded = QByteArray::fromBase64Encoding(
        text.trimmed(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_PUBLICKEYBYTES) {
        return std::nullopt;
    }
    return decoded.decoded;
}

UpdateVerifier::Verdict UpdateVerifier::Check(const QByteArray& bytes,
                                              std::optional<qint64> expectedSize,
                                              const QString& sha256, const QString& signature,
                                              const QByteArray& publicKey) {
    if (expectedSize && bytes.size() != *expectedSize) {
        return Verdict::Incomplete;
    }
    if (!sodiumReady()) {
        return Verdict::SignatureInvalid;
    }
    if (!sha256.isEmpty() && !checksumMatches(bytes, sha256)) {
        return Verdict::ChecksumMismatch;
    }
    if (signature.isEmpty()) {
        return Verdict::SignatureMissing;
    }
    if (!signatureMatches(bytes, signature, publicKey)) {
        return Verdict::SignatureInvalid;
    }
    return Verdict::Accepted;
}

QString UpdateVerifier::Message(Verdict verdict) {
    switch (verdict) {
        case Verdict::Accepted:
            break;
        case Verdict::Incomplete:
            return QStringLiteral("Téléchargement incomplet, la mise à jour est refusée.");
        case Verdict::ChecksumMismatch:
            return QStringLiteral("Somme de contrôle incorrecte, la mise à jour est refusée.");
        case Verdict::SignatureInvalid:
            return QStringLiteral("Signature invalide, la mise à jour est refusée.");
        case Verdict::SignatureMissing:
            return QStringLiteral("Signature absente, la mise à jour est refusée.");
    }
    return QString();
}
