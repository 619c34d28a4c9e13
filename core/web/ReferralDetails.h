#pragma once

#include <string>

namespace parsiva {

// What the exit screen's refer-a-friend form last submitted, each text trimmed of spaces.
struct ReferralDetails {
    std::string SenderName;
    std::string SenderEmail;
    std::string Message;
    std::string FriendName;
    std::string FriendEmail;
};

} // namespace parsiva
