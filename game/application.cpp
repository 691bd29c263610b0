#include "game/application.h"

#include "game/main.h"
#include "net/multiclient.h"
#include "net/multihost.h"
#include "platform/dialogs.h"
#include "platform/session.h"
#include "savegames/delsaves.h"
#include "savegames/load.h"
#include "savegames/save.h"
#include "settings/einstellungen.h"
#include "stats/statistik.h"
#include "windows/about.h"
#include "windows/hilfe.h"
#include "windows/splash.h"

#include <QApplication>

namespace quorvex {

THaupt* Haupt = nullptr;
TSetup* Setup = nullptr;
TAboutBox* AboutBox = nullptr;
TSplashScr* SplashScr = nullptr;
TSpeicherMenu* SpeicherMenu = nullptr;
TLadenMenu* LadenMenu = nullptr;
Tstat* stat = nullptr;
TDelMenu* DelMenu = nullptr;
Tqx_host* qx_host = nullptr;
Tqx_client* qx_client = nullptr;
THelp* Help = nullptr;

MainDisplay* MainWindowDisplay() { return Haupt; }

void CreateForms() {
    Haupt = new THaupt();
    // Every other window belongs to the main window, so the window system keeps
    // it above the game and places it over it (a transient window).
    Setup = new TSetup(Haupt);
    AboutBox = new TAboutBox(Haupt);
    SplashScr = new TSplashScr(Haupt);
    SpeicherMenu = new TSpeicherMenu(Haupt);
    LadenMenu = new TLadenMenu(Haupt);
    stat = new Tstat(Haupt);
    DelMenu = new TDelMenu(Haupt);
    qx_host = new Tqx_host(Haupt);
    qx_client = new Tqx_client(Haupt);
    Help = new THelp(Haupt);
    Haupt->UpdateMenuAvailability();
}

void DestroyForms() {
    delete Help;
    Help = nullptr;
    delete qx_client;
    qx_client = nullptr;
    delete qx_host;
    qx_host = nullptr;
    delete DelMenu;
    DelMenu = nullptr;
    delete stat;
    stat = nullptr;
    delete LadenMenu;
    LadenMenu = nullptr;
    delete SpeicherMenu;
    SpeicherMenu = nullptr;
    delete SplashScr;
    SplashScr = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete Setup;
    Setup = nullptr;
    delete Haupt;
    Haupt = nullptr;
}

int RunApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(qx::kAppTitle));
    QApplication::setApplicationDisplayName(QString());
    // A session that ends, or a request to stop, closes the game as the player would.
    qx::CloseOnSessionEnd([] {
        if (Haupt) Haupt->CloseForSessionEnd();
    });
    CreateForms();
    // A request that came while the windows were made (a start-up box was
    // open, the main window did not exist yet) closes the game now.
    if (qx::SessionEndRequested()) Haupt->CloseForSessionEnd();
    int rc = 0;
    if (!Haupt->Closed()) {
        Haupt->show();
        rc = app.exec();
    }
    // Should the loop end another way (the session manager may quit the
    // application directly), the run is still closed and its figures written.
    if (Haupt && !Haupt->Closed()) Haupt->CloseForSessionEnd();
    DestroyForms();
    return rc;
}

}  // namespace quorvex
