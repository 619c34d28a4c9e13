// Which language the desktop's list gives, and what a language puts in place.
#include "tests/support/FakeServices.h"

#include "core/workflow/WorkflowTexts.h"
#include "ui/base/UiText.h"
#include "app/Language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

namespace {

struct ChoiceCase {
    const char* label;
    QStringList uiLanguages; // as QLocale::uiLanguages() lists them
    InterfaceLanguage chosen;
};

class LanguageChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoice, FirstLanguageTheProgramHasDecides) {
    EXPECT_EQ(ChooseLanguage(GetParam().uiLanguages), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageChoice,
    ::testing::Values(
        ChoiceCase{"PersianDesktop", {"fa-IR", "fa", "fa-Arab-IR"}, InterfaceLanguage::Persian},
        ChoiceCase{"AfghanPersian", {"fa-AF"}, InterfaceLanguage::Persian},
        ChoiceCase{"EnglishBeforePersian",
                   {"en", "en-Latn-US", "fa", "fa-IR"},
                   InterfaceLanguage::English},
        ChoiceCase{"GermanThenPersian", {"de", "de-DE", "fa", "fa-IR"}, InterfaceLanguage::Persian},
        ChoiceCase{"GermanOnly", {"de-DE", "de"}, InterfaceLanguage::English},
        ChoiceCase{"CLocale", {"C"}, InterfaceLanguage::English},
        ChoiceCase{"NothingListed", {}, InterfaceLanguage::English}),
    [](const auto& info) { return std::string(info.param.label); });

// Persian brings the catalogue, Qt's own texts, Persian digits, right to left and the Persian
// font; when it ends, English comes back as it was.
TEST(LanguageInstallation, PersianIsPutInPlaceAndTakenAwayAgain) {
    const QFont englishFont = QApplication::font();
    {
        TestWorld world;
        world.speak(InterfaceLanguage::Persian);
        EXPECT_EQ(Translated(parsiva::EnterYourNameMessage), "لطفاً نام خود را وارد کنید");
        EXPECT_EQ(ShownWindowCaption(), "پارسیوا نسخهٔ 1.10");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "تأیید");
        EXPECT_EQ(InterfaceWording().Year(1975), "۱۹۷۵");
        EXPECT_EQ(InterfaceWording().Number(23), "۲۳");
        EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(QApplication::font().families().first(), "Noto Sans Arabic UI");
        EXPECT_EQ(world.program.fontFamilies, QStringList({"Noto Sans Arabic UI", "DejaVu Sans"}));
    }
    EXPECT_EQ(Translated(parsiva::EnterYourNameMessage), "Please Enter Your Name");
    EXPECT_EQ(ShownWindowCaption(), "Parsiva v1.10");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "OK");
    EXPECT_EQ(InterfaceWording().Year(1975), "1975");
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(QApplication::font(), englishFont);
}

} // namespace
