#include "outreach/frmfarewell.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/frmstartup.h"
#include "app/messagebox.h"
#include "app/random.h"
#include "app/shutdown.h"
#include "outreach/tellafriend.h"
#include "outreach/webpage.h"
#include "resources/appearance.h"
#include "resources/enterkey.h"
#include "resources/focusannouncement.h"
#include "resources/handpointer.h"
#include "resources/texts.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace {

int g_holds = 0;

QString supportMessage(int n) {
    return Texts::get(QStringLiteral("support-%1").arg(n));
}

} // namespace

FrmFarewell::FrmFarewell() {
    // The window stays above all ordinary windows for as long as it exists, and appears
    // without taking the activation from the window the user is in.
    Appearance::buildFixedWindow(this, ui, Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (g_holds > 0)
        setAttribute(Qt::WA_DontShowOnScreen);
    ui.Label2->setText(supportMessage(1));
    ui.Label3->setText(Texts::get(QStringLiteral("farewell-programs")));
    Pointers::showOnHover(ui.Check1, HandPointer::SixteenColour);
    Appearance::centreOnScreen(this);
    ui.cmdClose->setFocus();
    for (QPushButton *button : {ui.cmdClose, ui.Check1, ui.cmdSubmit})
        EnterKey::pressesButton(button);

    for (QWidget *box :
         {static_cast<QWidget *>(ui.txtName), static_cast<QWidget *>(ui.txtEmail),
          static_cast<QWidget *>(ui.txtMessage), static_cast<QWidget *>(ui.txtFriendName),
          static_cast<QWidget *>(ui.txtFriendEmail)}) {
        box->installEventFilter(this);
        // Entering a box may empty it (the hint rule); a screen reader hears of the focus first.
        FocusAnnouncement::comesFirst(box);
        // Each box starts with its hint, the message box with a line break after it. The hint
        // says what a box is for, also while the box holds what the user typed.
        setBoxText(box, hintOf(box) + (box == ui.txtMessage ? QStringLiteral("\r\n") : QString()));
        box->setAccessibleName(hintOf(box));
    }

    connect(ui.Check1, &QPushButton::clicked, this, &FrmFarewell::Check1_Click);
    connect(ui.lblGoToHome, &ClickLabel::clicked, this, &FrmFarewell::lblGoToHome_Click);
    connect(ui.cmdSubmit, &QPushButton::clicked, this, &FrmFarewell::cmdSubmit_Click);
    connect(ui.cmdClose, &QPushButton::clicked, this, &FrmFarewell::cmdClose_Click);
}

int FrmFarewell::supportMessageIndex(double r) {
    // The draw is a single-precision number below 1; a double just below 1 would round up to
    // 1 on the way and pick a fifth message that does not exist.
    const float single = std::min(float(r), std::nextafter(1.0f, 0.0f));
    return int(single * 4.0f);
}

void FrmFarewell::Form_Load() {
    setWindowTitle(kVersionCaption);
    ui.lblFarewellCaption->setCaption(kVersionCaption);

    const QPixmap icon = Forms::frmStartup().IMGIcon().picture(1, devicePixelRatio());
    setWindowIcon(QIcon(icon));
    ui.picFarewellIcon->setPicture(icon);

    // One message per window, drawn when it is created.
    Random::seedFromClock();
    ui.Label2->setText(supportMessage(supportMessageIndex(Random::next())));

    // Held off the screen, the window would be shown only for its caller to hide it again: a
    // held window is left for its caller to show or hide.
    if (g_holds == 0)
        show();
}

// Check1 pops back up after each press, so it is a push button, and screen readers call it one
// rather than a check box that never stays checked.
void FrmFarewell::Check1_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}

void FrmFarewell::lblGoToHome_Click() {
    modHelp::OpenWebPage(QStringLiteral("vellumsoftwares"));
}

void FrmFarewell::cmdSubmit_Click() {
    using modTellAFriend::trimSpaces;
    modTellAFriend::ReferralRequest &request = modTellAFriend::referralRequest();
    request.SenderName = trimSpaces(boxText(ui.txtName));
    request.SenderEmail = trimSpaces(boxText(ui.txtEmail));
    request.MessageText = trimSpaces(boxText(ui.txtMessage));
    request.FriendName = trimSpaces(boxText(ui.txtFriendName));
    request.FriendEmail = trimSpaces(boxText(ui.txtFriendEmail));

    const QString &mine = request.SenderEmail, &friends = request.FriendEmail;
    if (mine == friends) {
        //: A message box: the refer-a-friend form holds the same address for the user and the
        //: friend.
        modHelp::MsgBox(tr("Please Enter Distinct Email Addresses"), QMessageBox::Critical);
        return;
    }
    for (const QChar needed : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!mine.contains(needed) || !friends.contains(needed)) {
            //: A message box: an address of the refer-a-friend form lacks "@" or ".".
            modHelp::MsgBox(tr("Please Enter Proper Email Address"), QMessageBox::Critical);
            return;
        }
    }
    modTellAFriend::SendReferral();
}

void FrmFarewell::cmdClose_Click() {
    modHelp::ExitApplication();
}

void FrmFarewell::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

void FrmFarewell::Form_Unload() {
    modHelp::ExitApplication();
}

// The hint rule: a box that shows its hint is emptied when the user enters it, and a box left
// empty shows its hint again.

QString FrmFarewell::hintOf(const QWidget *box) const {
    const auto &fields = modTellAFriend::fields();
    const QWidget *boxes[] = {ui.txtName, ui.txtEmail, ui.txtMessage, ui.txtFriendName,
                              ui.txtFriendEmail};
    for (size_t i = 0; i < fields.size(); ++i)
        if (boxes[i] == box)
            return fields[i].hint();
    return {};
}

void FrmFarewell::hintOnEntry(QWidget *box) {
    if (modTellAFriend::trimSpaces(boxText(box)) == hintOf(box))
        setBoxText(box, QString());
}

void FrmFarewell::hintOnLeaving(QWidget *box) {
    if (modTellAFriend::trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, hintOf(box));
}

void FrmFarewell::txtName_GotFocus() {
    hintOnEntry(ui.txtName);
}
void FrmFarewell::txtEmail_GotFocus() {
    hintOnEntry(ui.txtEmail);
}
void FrmFarewell::txtMessage_GotFocus() {
    hintOnEntry(ui.txtMessage);
}
void FrmFarewell::txtFriendName_GotFocus() {
    hintOnEntry(ui.txtFriendName);
}
void FrmFarewell::txtFriendEmail_GotFocus() {
    hintOnEntry(ui.txtFriendEmail);
}
void FrmFarewell::txtName_LostFocus() {
    hintOnLeaving(ui.txtName);
}
void FrmFarewell::txtEmail_LostFocus() {
    hintOnLeaving(ui.txtEmail);
}
void FrmFarewell::txtMessage_LostFocus() {
    hintOnLeaving(ui.txtMessage);
}
void FrmFarewell::txtFriendName_LostFocus() {
    hintOnLeaving(ui.txtFriendName);
}
void FrmFarewell::txtFriendEmail_LostFocus() {
    hintOnLeaving(ui.txtFriendEmail);
}

// An e-mail address holds no space: a typed space is refused and the focus stays in its box.
void FrmFarewell::refuseSpace(QWidget *box, int &KeyAscii) {
    if (KeyAscii != 32)
        return;
    //: A message box: the user typed a space in an e-mail address box.
    modHelp::MsgBox(tr("Email Address Cannot Contain Space"), QMessageBox::Critical);
    KeyAscii = 0;
    box->setFocus();
}

void FrmFarewell::txtEmail_KeyPress(int &KeyAscii) {
    refuseSpace(ui.txtEmail, KeyAscii);
}
void FrmFarewell::txtFriendEmail_KeyPress(int &KeyAscii) {
    refuseSpace(ui.txtFriendEmail, KeyAscii);
}

QString FrmFarewell::boxText(const QWidget *box) const {
    if (box == ui.txtMessage)
        return ui.txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return {};
}

void FrmFarewell::setBoxText(QWidget *box, const QString &text) {
    if (box == ui.txtMessage)
        ui.txtMessage->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
}

bool FrmFarewell::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Focus that comes and goes with the whole window (another window activated, a
        // message box over this one) or with the box's own context menu is no move between the
        // boxes.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const bool in = event->type() == QEvent::FocusIn;
        if (watched == ui.txtName)
            in ? txtName_GotFocus() : txtName_LostFocus();
        else if (watched == ui.txtEmail)
            in ? txtEmail_GotFocus() : txtEmail_LostFocus();
        else if (watched == ui.txtMessage)
            in ? txtMessage_GotFocus() : txtMessage_LostFocus();
        else if (watched == ui.txtFriendName)
            in ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
        else if (watched == ui.txtFriendEmail)
            in ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
        break;
    }
    case QEvent::KeyPress: {
        if (watched != ui.txtEmail && watched != ui.txtFriendEmail)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() != QStringLiteral(" "))
            break;
        int KeyAscii = 32;
        watched == ui.txtEmail ? txtEmail_KeyPress(KeyAscii) : txtFriendEmail_KeyPress(KeyAscii);
        return KeyAscii == 0;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

FarewellScreenHold::FarewellScreenHold() {
    if (g_holds++ == 0 && Forms::frmFarewellLoaded())
        Forms::frmFarewell().setAttribute(Qt::WA_DontShowOnScreen);
}

FarewellScreenHold::~FarewellScreenHold() {
    if (--g_holds > 0 || !Forms::frmFarewellLoaded())
        return;
    FrmFarewell &farewell = Forms::frmFarewell();
    if (!farewell.testAttribute(Qt::WA_DontShowOnScreen))
        return;
    const bool meantToShow = farewell.isVisible();
    if (meantToShow)
        farewell.hide();
    farewell.setAttribute(Qt::WA_DontShowOnScreen, false);
    if (meantToShow)
        farewell.show();
}
