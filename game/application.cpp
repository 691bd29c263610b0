#include "game/application.h"

#include "game/main.h"
#include "net/multiclient.h"
#include "net/multihost.h"
#include "platform/dialogs.h"
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

void CreateForms() {
    Haupt = new THaupt();
    Setup = new TSetup();
    AboutBox = new TAboutBox();
    SplashScr = new TSplashScr();
    SpeicherMenu = new TSpeicherMenu();
    LadenMenu = new TLadenMenu();
    stat = new Tstat();
    DelMenu = new TDelMenu();
    qx_host = new Tqx_host();
    qx_client = new Tqx_client();
    Help = new THelp();
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
    CreateForms();
    Haupt->show();
    const int rc = app.exec();
    DestroyForms();
    return rc;
}

}  // namespace quorvex
