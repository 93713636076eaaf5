#include "update/ProxyForm.h"
#include "update/UpdateSettings.h"

#include "core/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString PortError = QStringLiteral("ERREUR sur le numéro de port.");
const QString AddressError = QStringLiteral("ERREUR sur l'adresse IP du Proxy.");

struct FormCase {
    const char* address;
    const char* port;
    QStringList messages;
};

}  // namespace

TEST(ProxyFormTest, OkChecksThePortAndTheAddressAndTellsEachFailure) {
    const FormCase cases[] = {
        {"192.168.1.10", "8080", {}},
        {"0.0.0.0", "1", {}},
        {"255.255.255.255", "65535", {}},
        {"", "80", {}},
        {"", "12", {}},
        {"192.168.1", "80", {AddressError}},
        {"1.2.3.4.5", "80", {AddressError}},
        {"300.1.1.1", "80", {AddressError}},
        {"1..2.3", "80", {AddressError}},
        {"1.2.3.4.", "80", {AddressError}},
        {".1.2.3", "80", {AddressError}},
        {"192.168.1.10", "", {PortError}},
        {"", "", {PortError}},
        {"", "65536", {PortError}},
        {"1.2.3.4", "0", {PortError}},
        {"300.1.1.1", "", {PortError, AddressError}},
    };
    for (const FormCase& c : cases) {
        ScriptedPrompter prompter;
        const ProxyForm form{QString::fromLatin1(c.address), QString::fromLatin1(c.port)};
        EXPECT_EQ(form.check(prompter), c.messages.isEmpty()) << c.address << " " << c.port;
        EXPECT_EQ(prompter.texts(), c.messages) << c.address << " " << c.port;
    }
}

TEST(ProxyFormTest, TypingKeepsOnlyTheCharactersOfEachField) {
    EXPECT_EQ(ProxyForm::Filtered(QStringLiteral("a1.2,3 b4é"), ProxyForm::AddressCharacters()),
              QStringLiteral("1.234"));
    EXPECT_EQ(ProxyForm::Filtered(QStringLiteral("80.8x0"), ProxyForm::PortCharacters()),
              QStringLiteral("8080"));
}

TEST(ProxyFormTest, AFilledAddressIsStoredAsTypedAndAnEmptyOneRemovesTheSection) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(UpdateSettings::FileName());
    UpdateSettings settings = UpdateSettings::Load(path);
    settings.setLastAccepted(QDate(2026, 3, 4));

    ProxyForm{QStringLiteral("192.168.001.10"), QStringLiteral("08080")}.store(settings);
    ASSERT_FALSE(settings.save().has_value());
    UpdateSettings read = UpdateSettings::Load(path);
    EXPECT_EQ(read.proxyAddress(), QStringLiteral("192.168.001.10"));
    EXPECT_EQ(read.proxyPort(), 8080);
    const ProxyForm reopened = ProxyForm::FromSettings(read);
    EXPECT_EQ(reopened.address, QStringLiteral("192.168.001.10"));
    EXPECT_EQ(reopened.port, QStringLiteral("08080"));

    ProxyForm{QString(), QStringLiteral("3128")}.store(read);
    ASSERT_FALSE(read.save().has_value());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("MiseAJourAvecPROXY"));
    EXPECT_TRUE(bytes.contains("DerniereDateVerifieMAJ=04/03/2026\r\n"));
    EXPECT_EQ(ProxyForm::FromSettings(UpdateSettings::Load(path)).port, QStringLiteral("80"));
}
