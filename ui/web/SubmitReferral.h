#pragma once

#include "core/web/ReferralDetails.h"

class Program;
class QWidget;

// Checks program.referralDetails against the placeholders the form showed, builds
// program.ReferralAddress from it and opens that address; a missing field is told in a message
// box over parent instead.
void SubmitReferral(Program& program, QWidget* parent,
                    const parsiva::ReferralDetails& placeholders);
