#pragma once

class Program;
class QWidget;

// Checks program.referralDetails, builds program.ReferralAddress from it and opens that
// address; a missing field is told in a message box over parent instead.
void SubmitReferral(Program& program, QWidget* parent);
