#include "outreach/tellafriend.h"

#include "app/messagebox.h"
#include "outreach/webpage.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {

ReferralRequest &referralRequest() {
    static ReferralRequest request;
    return request;
}

// The hints stand inside the form's boxes, 225 pixels wide (the message box about 100 pixels
// beside its scroll bar) in an 11-pixel font; the messages come in a message box.
const std::array<Field, 5> &fields() {
    static const std::array<Field, 5> all = {{
        {&ReferralRequest::SenderName,
         //: A hint inside an empty box of the refer-a-friend form, until the user types.
         QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {&ReferralRequest::SenderEmail,
         //: A hint inside an empty box of the refer-a-friend form, until the user types.
         QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {&ReferralRequest::MessageText,
         //: A hint inside an empty box of the refer-a-friend form; this box is about 100
         //: pixels wide.
         QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {&ReferralRequest::FriendName,
         //: A hint inside an empty box of the refer-a-friend form, until the user types.
         QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {&ReferralRequest::FriendEmail,
         //: A hint inside an empty box of the refer-a-friend form, until the user types.
         QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
    }};
    return all;
}

QString Field::hint() const {
    return QCoreApplication::translate("modTellAFriend", hintSource);
}

QString Field::missing() const {
    return QCoreApplication::translate("modTellAFriend", missingSource);
}

QString trimSpaces(const QString &text) {
    qsizetype first = 0, end = text.size();
    while (first < end && text[first] == QLatin1Char(' '))
        ++first;
    while (end > first && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}

// Every value is percent-encoded as UTF-8, all but letters, digits and "-._~": an "&", "=" or
// "#" typed by the user can then neither end a value nor cut the address, and a "+" is not
// read as a space by the page's form decoder.
QString RequestAddressFor(const ReferralRequest &request) {
    QString address = modHelp::PageAddress(QStringLiteral("twvs-refer-a-friend"));
    int n = 0;
    for (const Field &field : fields()) {
        address += QStringLiteral("&taf%1=").arg(++n);
        address += QString::fromLatin1(QUrl::toPercentEncoding(request.*field.value));
    }
    address += QStringLiteral("&taf6=") + modHelp::ProductFolderAddress;
    return address;
}

void SendReferral() {
    ReferralRequest &request = referralRequest();
    for (const Field &field : fields()) {
        const QString value = trimSpaces(request.*field.value);
        if (value.isEmpty() || value == field.hint()) {
            modHelp::MsgBox(field.missing(), QMessageBox::Critical);
            return;
        }
    }
    request.RequestAddress = RequestAddressFor(request);
    modHelp::OpenWebAddress(request.RequestAddress);
}

} // namespace modTellAFriend
