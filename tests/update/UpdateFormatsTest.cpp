#include "update/UpdateInfo.h"
#include "update/UpdateServer.h"
#include "update/UpdateVerifier.h"
#include "update/VersionText.h"

#include <gtest/gtest.h>

TEST(VersionTextTest, VersionsReadTheSameWhateverTheDecimalSeparator) {
    const std::pair<const char*, double> cases[] = {
        {"1.05", 1.05},
        {"1,05", 1.05},
        {"Version 1.05 du 12/01/2010", 1.05},
        {"VERSION 2", 2.0},
        {"  version 12.5 ", 12.5},
        {"Version 1.00", 1.0},
        {"VERSION", 0.0},
        {"Version x.y", 0.0},
        {"", 0.0},
    };
    for (const auto& [text, version] : cases) {
        EXPECT_DOUBLE_EQ(VersionText::Read(QString::fromLatin1(text)), version) << text;
    }
    EXPECT_DOUBLE_EQ(VersionText::Program(), 1.0);
}

TEST(UpdateInfoTest, TheFirstLineGivesTheVersionAndTheLinesAfterItTheChecks) {
    const UpdateInfo info = UpdateInfo::Parse(
        "Version 1,05 du 12/01/2010\r\nSHA256=ABCDEF\r\nSIGNATURE= c2lnbmU= \r\nCorrig\xe9\r\n");
    EXPECT_TRUE(info.exists);
    EXPECT_DOUBLE_EQ(info.version, 1.05);
    EXPECT_EQ(info.sha256, QStringLiteral("ABCDEF"));
    EXPECT_EQ(info.signature, QStringLiteral("c2lnbmU="));
    EXPECT_EQ(info.lines.size(), 4);
    EXPECT_EQ(info.lines.last(), QStringLiteral("Corrigé"));

    // Without a version line, the file gives neither a version nor checks.
    const UpdateInfo plain = UpdateInfo::Parse("Notes\nSHA256=ab\n");
    EXPECT_DOUBLE_EQ(plain.version, 0.0);
    EXPECT_TRUE(plain.sha256.isEmpty());
    EXPECT_TRUE(UpdateInfo::Parse({}).lines.isEmpty());
    EXPECT_FALSE(UpdateInfo::Read(QStringLiteral("/nonexistent/OrvanelInfo.txt")).exists);
}

TEST(UpdateVerifierTest, TheFirstFailedCheckIsTheVerdict) {
    using V = UpdateVerifier::Verdict;
    const QByteArray body = "abc";
    // SHA-256 of "abc".
    const QString sum =
        QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const QByteArray key(32, 'k');
    EXPECT_EQ(UpdateVerifier::Check(body, 4, QStringLiteral("00"), QString(), key), V::Incomplete);
    EXPECT_EQ(UpdateVerifier::Check(body, 3, QStringLiteral("00"), QString(), key),
              V::ChecksumMismatch);
    EXPECT_EQ(UpdateVerifier::Check(body, 3, sum.toUpper(), QString(), key), V::SignatureMissing);
    EXPECT_EQ(UpdateVerifier::Check(body, std::nullopt, sum, QStringLiteral("AAAA"), key),
              V::SignatureInvalid);
    // Without a key built in, no signature can be good.
    EXPECT_EQ(UpdateVerifier::Check(body, 3, sum, QString(88, u'A'), QByteArray()),
              V::SignatureInvalid);
    EXPECT_EQ(UpdateVerifier::Message(V::Accepted), QString());
}

TEST(UpdateVerifierTest, APublicKeyIsOneLineOfBase64Of32Bytes) {
    EXPECT_EQ(UpdateVerifier::DecodePublicKey(QByteArray(32, 'x').toBase64() + "\n"),
              QByteArray(32, 'x'));
    EXPECT_FALSE(UpdateVerifier::DecodePublicKey(QByteArray(31, 'x').toBase64()).has_value());
    EXPECT_FALSE(UpdateVerifier::DecodePublicKey("pas de la base64!").has_value());
}

TEST(UpdateServerTest, AServerIsASchemeAHostAndAPort) {
    const std::pair<const char*, const char*> accepted[] = {
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080/telecha/OrvanelInfo.txt"},
        {"HTTPS://maj.example.org/", "https://maj.example.org/telecha/OrvanelInfo.txt"},
        {" http://serveur ", "http://serveur/telecha/OrvanelInfo.txt"},
    };
    for (const auto& [text, url] : accepted) {
        const std::optional<QUrl> server = UpdateServer::Parse(QString::fromLatin1(text));
        ASSERT_TRUE(server.has_value()) << text;
        EXPECT_EQ(UpdateServer::FileUrl(*server, UpdateServer::InfoName()).toString(),
                  QString::fromLatin1(url));
    }
    for (const char* refused : {"ftp://serveur", "http://serveur/telecha", "serveur", "http://",
                                "http://a@serveur", "http://serveur/?x=1", ""}) {
        EXPECT_FALSE(UpdateServer::Parse(QString::fromLatin1(refused)).has_value()) << refused;
    }
}
