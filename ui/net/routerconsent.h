// The player's consent to ask the router for the host's port: a switch
// "Ask the router to open the port" at the top of the server name field's
// context menu, kept in setup.ini (AskRouter).
#pragma once

#include <functional>

class QLineEdit;

namespace quorvex {

// Adds the switch to every context menu of field; `changed` gets the new
// state once the settings file holds it.
void OfferRouterConsent(QLineEdit* field, std::function<void(bool)> changed);

}  // namespace quorvex
