#include "app/frmstartup.h"

#include "app/apptitle.h"
#include "app/cobrand.h"
#include "app/forms.h"
#include "app/guarded.h"
#include "app/messagebox.h"
#include "app/random.h"
#include "app/shutdown.h"
#include "app/updatereminder.h"
#include "reading/frmmain.h"

#include <QCloseEvent>

FrmStartup::FrmStartup() {
    setObjectName(QStringLiteral("frmStartup"));
}

QIcon FrmStartup::applicationIcon() const {
    return QIcon(m_icon.picture(1, devicePixelRatio()));
}

void FrmStartup::Form_Load() {
    guarded([&] {
        setWindowTitle(kVersionCaption);
        setWindowIcon(applicationIcon());
    });

    bool refused = false;
    guarded([&] { refused = !m_instance.acquire(); });
    if (refused) {
        //: A message box: the user started the program while it runs already.
        guarded([] { modHelp::MsgBox(tr("Application is already running")); });
        modHelp::ExitApplication();
        return;
    }

    guarded([] { Random::seedFromClock(); });
    guarded([] { modHelp::CheckForUpdateReminder(); });
    guarded([] { Forms::frmMain().show(); });
    guarded([&] { hide(); });
    guarded([&] { CoBrand_Randomize(); });
}

void FrmStartup::CoBrand_Randomize() {
    CoBrand_Randomize(Random::next());
}

void FrmStartup::CoBrand_Randomize(double r) {
    const int n = CoBrand::draw(r);
    intCoBrandRandomNumber = qint16(n);
    switch (CoBrand::frontFor(n)) {
    case CoBrand::Front::CoBrand:
        Forms::frmMain().bringOfferToFront(FrmMain::Offer::CoBrand);
        break;
    case CoBrand::Front::FullBrand:
        Forms::frmMain().bringOfferToFront(FrmMain::Offer::FullBrand);
        break;
    case CoBrand::Front::Unchanged:
        break;
    }
}

void FrmStartup::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

void FrmStartup::Form_Unload() {
    m_instance.release();
    modHelp::ExitApplication();
}
