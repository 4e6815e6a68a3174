#include "reading/frmmain.h"

#include "app/apptitle.h"
#include "app/forms.h"
#include "app/guarded.h"
#include "app/messagebox.h"
#include "app/shutdown.h"
#include "app/translations.h"
#include "outreach/frmfarewell.h"
#include "outreach/webpage.h"
#include "reading/frmdisplay.h"
#include "reading/namekeyfilter.h"
#include "resources/appearance.h"
#include "resources/enterkey.h"
#include "resources/focusannouncement.h"
#include "resources/texts.h"
#include "resources/typedonly.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

FrmMain::FrmMain() : SiteLinks(this), m_letters(NameKeyFilter::lettersFor(Translations::shown())) {
    Appearance::buildFixedWindow(this, ui);
    setWindowTitle(kVersionCaption);
    ui.Label2->setCaption(Texts::get(QStringLiteral("main-intro")));
    ui.lblFullBrand->setCaption(Texts::get(QStringLiteral("offer-fullbrand")));
    ui.lblCobrand->setCaption(Texts::get(QStringLiteral("offer-cobrand")));
    Appearance::centreOnScreen(this);

    // In English the name is typed A to Z on the keyboard, key by key. In a translation it is
    // written in the user's own letters, which input methods compose; their text passes the
    // same rule.
    if (m_letters == NameKeyFilter::Letters::AToZ)
        TypedOnly::refuseInputMethods(ui.txtFirstName);
    ui.txtFirstName->installEventFilter(this);
    FocusAnnouncement::comesFirst(ui.txtFirstName);
    ui.cmdExit->setFocus();
    // Enter presses the reading button once the user has tabbed to it. The unseen Exit
    // button, which has the focus when the window opens, is left to Space and Alt+X, and the
    // window has no default button: Enter in the name box does nothing.
    EnterKey::pressesButton(ui.cmdNext);

    connect(ui.cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(ui.mnuNext, &QAction::triggered, this, &FrmMain::mnuNext_Click);
    connect(ui.cmdExit, &QPushButton::clicked, this, &FrmMain::cmdExit_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    connect(ui.Label2, &ClickLabel::clicked, this, &FrmMain::Label2_Click);
    connectSiteLinks();
}

// The hand-over to the chooser window.
void FrmMain::cmdNext_Click() {
    if (!ValidateFirstName())
        return;
    guarded([] { Forms::frmDisplay().loadThumbnails(); });
    guarded([&] { hide(); });
    guarded([] {
        // Created here, the farewell window would show for an instant before this hides it.
        FarewellScreenHold hold;
        Forms::frmFarewell().hide();
    });
    guarded([] { Forms::frmDisplay().show(); });
    guarded([] { Forms::frmDisplay().showChooserPanel(); });
}

void FrmMain::mnuNext_Click() {
    cmdNext_Click();
}

void FrmMain::cmdExit_Click() {
    close();
}

void FrmMain::mnuExit_Click() {
    cmdExit_Click();
}

void FrmMain::txtFirstName_KeyPress(int &KeyAscii) {
    const int passed = NameKeyFilter::filter(KeyAscii, characterBeforeCaret(), m_letters);
    if (passed == 0)
        refuseKey();
    KeyAscii = passed;
}

void FrmMain::refuseKey() {
    //: A message box: the user typed a key the name box refuses. In a translation the box
    //: takes the letters of every script and spaces; digits, punctuation and symbols are
    //: refused.
    modHelp::MsgBox(tr("Please Enter Only Alphabet"));
}

char32_t FrmMain::characterBeforeCaret() const {
    const QLineEdit *box = ui.txtFirstName;
    const int at = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const QStringView before = QStringView(box->text()).left(at);
    if (before.isEmpty())
        return 0;
    const bool pair = before.size() > 1 && before.back().isLowSurrogate();
    return before.right(pair ? 2 : 1).toUcs4().constLast();
}

std::optional<QString> FrmMain::passText(const QString &text) {
    std::optional<QString> passed =
        NameKeyFilter::filterText(text, characterBeforeCaret(), m_letters);
    if (!passed)
        refuseKey();
    return passed;
}

// A composition ends in the text it commits, which the box receives as the rule passes it, or
// not at all; what is still being composed is not yet the box's text.
bool FrmMain::filterComposedText(QInputMethodEvent *event) {
    const QString composed = event->commitString();
    if (composed.isEmpty())
        return false;
    const std::optional<QString> passed = passText(composed);
    if (passed == composed)
        return false;
    QLineEdit *box = ui.txtFirstName;
    if (!passed) {
        // Nothing of it reaches the box: the composition ends, and what the box holds stays in
        // it, selected or not.
        box->deselect();
        QInputMethodEvent ended;
        QCoreApplication::sendEvent(box, &ended);
        return true;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(*passed, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(box, &replaced);
    return true;
}

bool FrmMain::ValidateFirstName() {
    if (!ui.txtFirstName->text().isEmpty())
        return true;
    //: A message box: the name box is empty when the user asks for a reading.
    modHelp::MsgBox(tr("Please Enter Your Name"));
    ui.txtFirstName->setFocus();
    return false;
}

void FrmMain::bringOfferToFront(Offer offer) {
    (offer == Offer::CoBrand ? ui.lblCobrand : ui.lblFullBrand)->raise();
}

void FrmMain::Label2_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui.txtFirstName && event->type() == QEvent::InputMethod)
        return filterComposedText(static_cast<QInputMethodEvent *>(event));
    if (watched != ui.txtFirstName || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int typed = NameKeyFilter::typedCode(*key);
    // A key held with Alt types nothing; the box would take its letter as it stands. Any
    // accelerator it meant has had its turn before the box sees the key.
    if (typed == NameKeyFilter::NoCharacter)
        return (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !key->text().isEmpty();
    // A key that types more than one character, as the Arabic keyboard's lam-alef does, is
    // taken or refused whole.
    if (m_letters == NameKeyFilter::Letters::EveryScript && key->text().toUcs4().size() > 1 &&
        key->text().toUcs4().constFirst() == char32_t(typed)) {
        if (const std::optional<QString> passed = passText(key->text()))
            ui.txtFirstName->insert(*passed);
        return true;
    }
    int KeyAscii = typed;
    txtFirstName_KeyPress(KeyAscii);
    if (KeyAscii == 0)
        return true;
    // Ctrl+H types a backspace as surely as the Backspace key does, though the box itself
    // would do nothing with it.
    if (KeyAscii == 8 && key->key() != Qt::Key_Backspace) {
        ui.txtFirstName->backspace();
        return true;
    }
    // The box types the one character filtered, also of a key whose text is longer (a
    // compose sequence), as it does of a letter it turns into a capital.
    if (KeyAscii != typed || (KeyAscii >= 32 && key->text().toUcs4().size() > 1)) {
        const auto passed = char32_t(KeyAscii);
        ui.txtFirstName->insert(QString::fromUcs4(&passed, 1));
        return true;
    }
    return false;
}

void FrmMain::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

// Closing the main window leads to the farewell window; the process goes on.
void FrmMain::Form_Unload() {
    // While the application ends, the farewell window is not shown again, nor made anew: it
    // would only close with the process.
    if (!modHelp::ApplicationEnding())
        guarded([] { Forms::frmFarewell().show(); });
}
