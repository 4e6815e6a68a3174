#pragma once

#include <QString>
#include <array>

// The refer-a-friend request of the farewell window: the user's and a friend's details, sent to
// the maker's site as the query of a page address opened in the browser.
namespace modTellAFriend {

// The values of the last submit, trimmed of spaces, and the address last sent. One request
// lives as long as the process and is never cleared.
struct ReferralRequest {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString RequestAddress;
};
ReferralRequest &referralRequest();

// One field of the request: the hint its box shows until the user replaces it, and the
// message when the field is empty or still the hint, both in the user's language. The box
// shows the same hint that the field is compared with.
struct Field {
    QString ReferralRequest::*value;
    const char *hintSource;
    const char *missingSource;

    QString hint() const;
    QString missing() const;
};
// In the order the fields are checked and sent.
const std::array<Field, 5> &fields();

// A text with its leading and trailing spaces removed; tabs and line breaks stay.
QString trimSpaces(const QString &text);

// The address that carries the request: each value encoded so that the receiving page decodes
// exactly the text that was typed.
QString RequestAddressFor(const ReferralRequest &request);

// Checks the five fields in order; the first one missing brings its message and nothing is sent.
// Otherwise builds the request address and opens it.
void SendReferral();

} // namespace modTellAFriend
