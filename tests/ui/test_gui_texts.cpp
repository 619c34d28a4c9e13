#include "tests/support/Windows.h"

#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

// The About box's offer is the fully-branded link label's text less its closing invitation;
// both windows must show the same offer word for word.
TEST(SharedTexts, AboutOfferIsTheFullBrandLabelWithoutItsInvitation) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    auto* about = new frmAbout(world.program);
    world.program.adoptWindow(about);

    const QString offer = Child<QLabel>(about, "Label3")->text();
    const QString fullBrand = Child<QLabel>(form, "lblFullBrand")->text();
    EXPECT_EQ(offer.toStdString(),
              "Home business offer: start your own Internet business and make money online by "
              "getting this software fully branded for your web site.");
    EXPECT_EQ(fullBrand.toStdString(), offer.toStdString() + " Click here for more details.");
}

// The static captions the .ui files hold reach the windows word for word, access keys included.
TEST(SharedTexts, StaticCaptionsOfTheAboutBoxAndTheExitScreen) {
    TestWorld world;
    auto* about = new frmAbout(world.program);
    world.program.adoptWindow(about);
    frmExitScreen* screen = ShowExitScreen(world.program);

    const auto textOf = [](QWidget* window, const char* name) -> std::string {
        QWidget* control = Child<QWidget>(window, name);
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text().toStdString();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            return frame->title().toStdString();
        return "(no text)";
    };
    EXPECT_EQ(textOf(about, "Label1"),
              "Parsiva is an interactive astrological program that tells you your Iranian "
              "astrology sign and the personality traits that come with it from your date of "
              "birth. Enter your name and birthday, and Parsiva finds your place in the Persian "
              "zodiac.");
    EXPECT_EQ(textOf(about, "lblCobrand"), "Click here for more details");
    EXPECT_EQ(textOf(screen, "cmdClose"), "E&xit");
    EXPECT_EQ(textOf(screen, "Frame6"), "Download Velmora Softwares");
    EXPECT_EQ(textOf(screen, "lblGoToHome"), "Click Here To Visit Velmora Softwares");
    EXPECT_EQ(textOf(screen, "Frame2"), "Refer A Friend");
    EXPECT_EQ(textOf(screen, "cmdSubmit"), "Refer A Friend &Now");
    EXPECT_TRUE(
        textOf(screen, "Label3")
            .starts_with(
                "If you enjoyed using this program, you will also enjoy the many other programs"));
    EXPECT_TRUE(textOf(screen, "Label3").ends_with("download your favourites."));
}
