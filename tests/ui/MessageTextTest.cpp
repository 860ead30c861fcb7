#include "support/QtPrinters.h"
#include "ui/AppError.h"
#include "ui/MessageText.h"

#include <gtest/gtest.h>

namespace {

struct FullStopCase {
    const char* message;
    const char* shown;
};

class DisplayFullStop : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(DisplayFullStop, FollowsTheLastCharactersCode)
{
    EXPECT_EQ(ui::displayText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayFullStop,
    ::testing::Values(FullStopCase{"Companie inexistenta", "Companie inexistenta."},
                      FullStopCase{"Eroare 42", "Eroare 42."},
                      FullStopCase{"DataCh=", "DataCh=."},
                      FullStopCase{"Cod:", "Cod:."},
                      FullStopCase{"a/b", "a/b."},
                      FullStopCase{"{x}", "{x}."},
                      FullStopCase{"[ok]", "[ok]."},
                      FullStopCase{"Stefan \xC8\x98", "Stefan \xC8\x98."},
                      FullStopCase{"Nu s-a ales nici un fisier...", "Nu s-a ales nici un fisier..."},
                      FullStopCase{"trebuie \"xlsx\"", "trebuie \"xlsx\""},
                      FullStopCase{"cu spatiu ", "cu spatiu "},
                      FullStopCase{"(paranteza)", "(paranteza)"},
                      FullStopCase{"Atentie!", "Atentie!"},
                      FullStopCase{"#", "#"},
                      FullStopCase{"100%", "100%"},
                      FullStopCase{"a,", "a,"},
                      FullStopCase{"a-", "a-"},
                      FullStopCase{"a*", "a*"},
                      FullStopCase{"", ""}));

TEST(InnermostMessage, IsTheDeepestNestedError)
{
    try {
        try {
            try {
                throw ui::AppError(QString::fromUtf8("cauza \xC8\x99i efectul"));
            } catch (...) {
                std::throw_with_nested(std::runtime_error("middle"));
            }
        } catch (...) {
            std::throw_with_nested(std::runtime_error("outer"));
        }
    } catch (const std::exception& e) {
        EXPECT_EQ(ui::innermostMessage(e), QStringLiteral("cauza \u0219i efectul"));
    }
    EXPECT_EQ(ui::innermostMessage(std::runtime_error("plain")), QStringLiteral("plain"));
}

} // namespace
