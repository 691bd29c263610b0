#include "ui/net/routerconsent.h"

#include "core/settings/settingsfile.h"
#include "ui/platform/access.h"

#include <QAction>
#include <QChildEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

namespace quorvex {

namespace {

// "Ask the router to open the port", a switch at the top of the server name's
// context menu (the menu is made anew for each opening, by the link entries'
// code): the menu is found as a new child of the field, and the entry goes in
// before it is shown.
class RouterConsentEntry : public QObject {
public:
    RouterConsentEntry(QLineEdit* field, std::function<void(bool)> changed)
        : QObject(field), field_(field), changed_(std::move(changed)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == field_) {
            // A widget in the making: a menu is known as one once it is whole.
            if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(event)->child()->isWidgetType())
                static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
            return false;
        }
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            watched->removeEventFilter(this);
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { AddTo(menu); });
        } else if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);  // whole, and no menu
        }
        return false;
    }

private:
    void AddTo(QMenu* menu) {
        QAction* ask =
            new QAction(QCoreApplication::translate("RouterConsent", "Ask the router to open the port"), menu);
        ask->setObjectName(QStringLiteral("askRouter"));
        ask->setCheckable(true);
        ask->setChecked(AskRouter(SettingsPath()));
        qx::ReadAsSwitch(ask);
        QAction* first = menu->actions().value(0);
        menu->insertAction(first, ask);
        menu->insertSeparator(first);
        connect(ask, &QAction::toggled, this, [this](bool on) {
            SetAskRouter(SettingsPath(), on);
            changed_(on);
        });
    }

    QLineEdit* field_;
    std::function<void(bool)> changed_;
};

}  // namespace

void OfferRouterConsent(QLineEdit* field, std::function<void(bool)> changed) {
    new RouterConsentEntry(field, std::move(changed));
}

}  // namespace quorvex
