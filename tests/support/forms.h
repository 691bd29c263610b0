// The window tests' set of windows: one quorvex::Forms, made and destroyed per
// test as the game's composition root makes its own, and short names for its
// members, so a test reads as the windows are known.
#pragma once

#include "ui/app/application.h"

namespace qxtest {

// Never destroyed at exit: the windows must go before the application object,
// and every test destroys its set in its tear-down.
inline quorvex::Forms& Windows() {
    static auto* forms = new quorvex::Forms;
    return *forms;
}

inline quorvex::THaupt*& Haupt = Windows().Haupt;
inline quorvex::TSetup*& Setup = Windows().Setup;
inline quorvex::TAboutBox*& AboutBox = Windows().AboutBox;
inline quorvex::TSplashScr*& SplashScr = Windows().SplashScr;
inline quorvex::TSpeicherMenu*& SpeicherMenu = Windows().SpeicherMenu;
inline quorvex::TLadenMenu*& LadenMenu = Windows().LadenMenu;
inline quorvex::Tstat*& stat = Windows().stat;
inline quorvex::TDelMenu*& DelMenu = Windows().DelMenu;
inline quorvex::Tqx_host*& qx_host = Windows().qx_host;
inline quorvex::Tqx_client*& qx_client = Windows().qx_client;
inline quorvex::THelp*& Help = Windows().Help;
inline quorvex::TRecords*& Records = Windows().Records;

inline void CreateForms() { Windows().Create(); }
inline void DestroyForms() { Windows().Destroy(); }
inline void ConnectMenu() { Windows().ConnectMenu(); }
inline void OpenGameLink(const QString& text) { Windows().OpenGameLink(text); }

}  // namespace qxtest
