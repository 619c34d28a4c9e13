#include "tests/support/FakeServices.h"

#include "ui/web/frmAbout.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/frmMain.h"

#include <gtest/gtest.h>

#include <QLabel>

// The About box's offer is the fully-branded link label's text less its closing invitation;
// both windows must show the same offer word for word.
TEST(SharedTexts, AboutOfferIsTheFullBrandLabelWithoutItsInvitation) {
    TestWorld world;
    frmMain* form = ShowMainForm(world.program);
    auto* about = new frmAbout(world.program);
    world.program.adoptWindow(about);

    const QString offer = child<QLabel>(about, "Label3")->text();
    const QString fullBrand = child<QLabel>(form, "lblFullBrand")->text();
    EXPECT_EQ(offer.toStdString(),
              "Home business offer: start your own Internet business and make money online by "
              "getting this software fully branded for your web site.");
    EXPECT_EQ(fullBrand.toStdString(), offer.toStdString() + " Click here for more details.");
}
