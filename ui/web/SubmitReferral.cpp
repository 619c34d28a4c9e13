#include "ui/web/SubmitReferral.h"

#include "core/web/TellAFriend.h"
#include "ui/base/LaunchPages.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

void SubmitReferral(Program& program, QWidget* parent,
                    const parsiva::ReferralDetails& placeholders) {
    if (const auto refusal = parsiva::CheckReferralDetails(program.referralDetails, placeholders)) {
        ShowNotice(program, parent, *refusal, parsiva::NoticeIcon::Critical);
        return;
    }
    program.ReferralAddress = parsiva::BuildReferralAddress(program.referralDetails);
    OpenWebAddress(program, ToQString(program.ReferralAddress));
}
