#include "login/LoginProcedure.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FormCase {
    const char* hashType;
    const char* password;
    const char* form;
};

class PasswordForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(PasswordForm, IsTheDigestOnlyForHashSHA2Exactly)
{
    EXPECT_EQ(login::passwordForm(QString::fromUtf8(GetParam().hashType), QString::fromUtf8(GetParam().password)),
              QString::fromUtf8(GetParam().form));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordForm,
    ::testing::Values(
        FormCase{"HashSHA2", "parola", "a80b568a237f50391d2f1f97beaf99564e33d2e1c8a2e5cac21ceda701570312"},
        // The digest of zero bytes, not an empty text.
        FormCase{"HashSHA2", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        // UTF-8 bytes of "ș" (c8 99).
        FormCase{"HashSHA2", "\xC8\x99", "3592cf0f2c6c21c3d4d912c0d22b956f88c18b8fddd97d1e45e8d581c7934c2b"},
        FormCase{"hashsha2", "parola", "parola"},
        FormCase{"HASHSHA2", "parola", "parola"},
        FormCase{"", "parola", "parola"},
        FormCase{"HashSHA2 ", "parola", "parola"},
        FormCase{"plain", "", ""}));

TEST(JasProtocol, IsHttpWhen8080AppearsAnywhere)
{
    EXPECT_EQ(login::jasProtocolFor(QStringLiteral("10.0.0.1:8080")), QStringLiteral("http"));
    EXPECT_EQ(login::jasProtocolFor(QStringLiteral("srv8080.example.ro")), QStringLiteral("http"));
    EXPECT_EQ(login::jasProtocolFor(QStringLiteral("10.0.0.1:8443")), QStringLiteral("https"));
    EXPECT_EQ(login::jasProtocolFor(QStringLiteral("808")), QStringLiteral("https"));
    EXPECT_EQ(login::jasProtocolFor(QString()), QStringLiteral("https"));
}

} // namespace
