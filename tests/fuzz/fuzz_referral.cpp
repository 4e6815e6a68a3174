// Any five texts in the refer-a-friend form (any Unicode, thousands of characters each), then
// "Refer A Friend Now": either the one message of the first check that fails, or one address
// whose fields decode to exactly the texts of the boxes, trimmed of spaces.

#include "fuzzsupport.h"

#include "outreach/frmfarewell.h"
#include "outreach/tellafriend.h"
#include "outreach/webpage.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace TestSupport;
using modTellAFriend::trimSpaces;

namespace {

FrmFarewell *g_farewell = nullptr;
BrowserRecorder *g_browser = nullptr;

// The message the form owes the texts, in the order the form checks them; none when they pass.
QString expectedMessage(const QStringList &t) {
    if (t[1] == t[4])
        return FrmFarewell::tr("Please Enter Distinct Email Addresses");
    for (const QString &address : {t[1], t[4]})
        if (!address.contains(QLatin1Char('@')) || !address.contains(QLatin1Char('.')))
            return FrmFarewell::tr("Please Enter Proper Email Address");
    for (int i = 0; i < 5; ++i)
        if (t[i].isEmpty() || t[i] == modTellAFriend::fields()[size_t(i)].hint())
            return modTellAFriend::fields()[size_t(i)].missing();
    return {};
}

// The values of taf1 to taf5, decoded as the receiving page decodes them.
QStringList decodedFields(const QString &address) {
    const QString start = modHelp::PageAddress(QStringLiteral("twvs-refer-a-friend"));
    const QString end = QStringLiteral("&taf6=") + modHelp::ProductFolderAddress;
    FUZZ_REQUIRE(address.startsWith(start) && address.endsWith(end), address.toUtf8());
    const QStringList pairs = address.mid(start.size(), address.size() - start.size() - end.size())
                                  .split(QLatin1Char('&'), Qt::SkipEmptyParts);
    QStringList values;
    for (const QString &pair : pairs) {
        FUZZ_REQUIRE(pair.startsWith(QStringLiteral("taf%1=").arg(values.size() + 1)),
                     address.toUtf8());
        values << QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(5).toLatin1()));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startFuzzApplication();
    g_farewell = new FrmFarewell;
    g_browser = new BrowserRecorder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const auto &ui = g_farewell->ui;
    QStringList texts;
    for (QWidget *box : std::initializer_list<QWidget *>{ui.txtName, ui.txtEmail, ui.txtMessage,
                                                         ui.txtFriendName, ui.txtFriendEmail}) {
        const std::string typed = input.ConsumeRandomLengthString(4000);
        g_farewell->setBoxText(box, QString::fromUtf8(typed.data(), qsizetype(typed.size())));
        texts << trimSpaces(g_farewell->boxText(box));
    }
    MessageBoxes boxes;
    g_browser->addresses.clear();
    g_farewell->cmdSubmit_Click();

    if (const QString message = expectedMessage(texts); !message.isEmpty()) {
        FUZZ_REQUIRE(boxes.texts() == QStringList{message}, boxes.texts().join('|').toUtf8());
        FUZZ_REQUIRE(g_browser->addresses.isEmpty(), g_browser->addresses.join('|').toUtf8());
        return 0;
    }
    FUZZ_REQUIRE(boxes.texts().isEmpty(), boxes.texts().join('|').toUtf8());
    FUZZ_REQUIRE(g_browser->addresses.size() == 1, g_browser->addresses.join('|').toUtf8());
    FUZZ_REQUIRE(decodedFields(g_browser->addresses.first()) == texts,
                 g_browser->addresses.first().toUtf8());
    return 0;
}
