#include "web/SubmitReferral.h"

#include "web/LaunchPages.h"
#include "web/TellAFriend.h"
#include "workflow/Program.h"
#include "workflow/UiText.h"

void SubmitReferral(Program& program, QWidget* parent) {
    if (const auto refusal = parsiva::CheckReferralDetails(program.referralDetails)) {
        ShowNotice(program, parent, *refusal, parsiva::NoticeIcon::Critical);
        return;
    }
    program.ReferralAddress = parsiva::BuildReferralAddress(program.referralDetails);
    OpenWebAddress(program, ToQString(program.ReferralAddress));
}
