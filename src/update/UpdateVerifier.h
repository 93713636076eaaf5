#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The checks a downloaded update program passes before it may run, in this order: its
// size against the size the server announced, its SHA-256 sum when the information file
// gives one, and its Ed25519 signature by the publisher, which is always required.
class UpdateVerifier {
public:
    enum class Verdict {
        Accepted,
        Incomplete,
        ChecksumMismatch,
        SignatureInvalid,
        SignatureMissing
    };

    // The key built into the program; empty when the build was given none.
    static QByteArray BuiltInPublicKey();
    // A key as one line of base64 of its 32 bytes; none when the text is not one.
    static std::optional<QByteArray> DecodePublicKey(const QByteArray& text);

    // expectedSize is what the server announced, when it did; sha256 and signature as
    // the information file writes them, empty when it gives none.
    static Verdict Check(const QByteArray& bytes, std::optional<qint64> expectedSize,
                         const QString& sha256, const QString& signature,
                         const QByteArray& publicKey);
    // The message that refuses the update; empty for Accepted.
    static QString Message(Verdict verdict);
};
