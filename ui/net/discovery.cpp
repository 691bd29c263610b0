#include "ui/net/discovery.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QStandardItemModel>
#include <QTimer>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/timeval.h>
#include <avahi-common/watch.h>

#include <net/if.h>

#include <algorithm>
#include <map>
#include <tuple>

// Avahi's main-loop interface on Qt's event loop: a watch is a pair of
// socket notifiers, a time-out a single-shot timer. Avahi may free either
// from inside its own callback, so a callback touches nothing afterwards.
struct AvahiWatch {
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
    AvahiWatchEvent happened = static_cast<AvahiWatchEvent>(0);
    AvahiWatchCallback callback = nullptr;
    void* userdata = nullptr;
    int fd = -1;
};

struct AvahiTimeout {
    QTimer* timer = nullptr;
    AvahiTimeoutCallback callback = nullptr;
    void* userdata = nullptr;
};

namespace quorvex {

namespace {

class QtAvahiPoll {
public:
    QtAvahiPoll() {
        api_.userdata = this;
        api_.watch_new = &WatchNew;
        api_.watch_update = &WatchUpdate;
        api_.watch_get_events = [](AvahiWatch* w) { return w->happened; };
        api_.watch_free = &WatchFree;
        api_.timeout_new = &TimeoutNew;
        api_.timeout_update = &TimeoutUpdate;
        api_.timeout_free = &TimeoutFree;
    }
    // Notifiers and timers still waiting for their deferred deletion go with it.
    ~QtAvahiPoll() = default;

    const AvahiPoll* Api() const { return &api_; }

private:
    static QObject* Owner(const AvahiPoll* api) { return &static_cast<QtAvahiPoll*>(api->userdata)->owner_; }

    static void Dispatch(AvahiWatch* w, AvahiWatchEvent event) {
        w->happened = event;
        w->callback(w, w->fd, event, w->userdata);
        // w may be gone now.
    }

    static AvahiWatch* WatchNew(const AvahiPoll* api, int fd, AvahiWatchEvent events, AvahiWatchCallback cb,
                                void* userdata) {
        auto* w = new AvahiWatch;
        w->fd = fd;
        w->callback = cb;
        w->userdata = userdata;
        w->read = new QSocketNotifier(fd, QSocketNotifier::Read, Owner(api));
        w->write = new QSocketNotifier(fd, QSocketNotifier::Write, Owner(api));
        QObject::connect(w->read, &QSocketNotifier::activated, [w] { Dispatch(w, AVAHI_WATCH_IN); });
        QObject::connect(w->write, &QSocketNotifier::activated, [w] { Dispatch(w, AVAHI_WATCH_OUT); });
        WatchUpdate(w, events);
        return w;
    }

    static void WatchUpdate(AvahiWatch* w, AvahiWatchEvent events) {
        w->read->setEnabled(events & AVAHI_WATCH_IN);
        w->write->setEnabled(events & AVAHI_WATCH_OUT);
    }

    static void WatchFree(AvahiWatch* w) {
        for (QSocketNotifier* n : {w->read, w->write}) {
            n->setEnabled(false);
            n->disconnect();
            n->deleteLater();
        }
        delete w;
    }

    static void StartTimer(AvahiTimeout* t, const struct timeval* tv) {
        if (!tv) {
            t->timer->stop();
            return;
        }
        const AvahiUsec left = -avahi_age(tv);  // microseconds until tv
        t->timer->start(left <= 0 ? 0 : static_cast<int>(std::min<AvahiUsec>(left / 1000 + 1, 24 * 3600 * 1000)));
    }

    static AvahiTimeout* TimeoutNew(const AvahiPoll* api, const struct timeval* tv, AvahiTimeoutCallback cb,
                                    void* userdata) {
        auto* t = new AvahiTimeout;
        t->callback = cb;
        t->userdata = userdata;
        t->timer = new QTimer(Owner(api));
        t->timer->setSingleShot(true);
        QObject::connect(t->timer, &QTimer::timeout, [t] { t->callback(t, t->userdata); });
        StartTimer(t, tv);
        return t;
    }

    static void TimeoutUpdate(AvahiTimeout* t, const struct timeval* tv) { StartTimer(t, tv); }

    static void TimeoutFree(AvahiTimeout* t) {
        t->timer->stop();
        t->timer->disconnect();
        t->timer->deleteLater();
        delete t;
    }

    AvahiPoll api_{};
    QObject owner_;
};

// A DNS-SD name is at most 63 bytes of UTF-8; cut at a character boundary.
QByteArray ServiceName(const QString& name) {
    QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) trimmed = QStringLiteral("Quorvex");
    QByteArray utf8 = trimmed.toUtf8();
    while (utf8.size() > 63) {
        trimmed.chop(1);
        utf8 = trimmed.toUtf8();
    }
    return utf8;
}

}  // namespace

// ---------------------------------------------------------------- announcing

struct GameAnnouncement::Impl {
    QtAvahiPoll poll;
    AvahiClient* client = nullptr;
    AvahiEntryGroup* group = nullptr;
    QByteArray name;
    int port = 0;
    std::function<void(const QString&)> announced;

    ~Impl() { Close(); }

    void Close() {
        // Freeing the client frees its group and withdraws the game.
        if (client) avahi_client_free(client);
        client = nullptr;
        group = nullptr;
    }

    void Register(AvahiClient* c) {
        if (!group) group = avahi_entry_group_new(c, &Impl::GroupChanged, this);
        if (!group || !avahi_entry_group_is_empty(group)) return;
        if (avahi_entry_group_add_service(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                          name.constData(), kGameServiceType, nullptr, nullptr,
                                          static_cast<uint16_t>(port), nullptr) == AVAHI_ERR_COLLISION) {
            Rename();
            return;
        }
        avahi_entry_group_commit(group);
    }

    // Another game on the network has this name: take the next one ("Name #2").
    void Rename() {
        char* next = avahi_alternative_service_name(name.constData());
        name = next;
        avahi_free(next);
        avahi_entry_group_reset(group);
        Register(avahi_entry_group_get_client(group));
    }

    static void GroupChanged(AvahiEntryGroup* g, AvahiEntryGroupState state, void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        self->group = g;
        if (state == AVAHI_ENTRY_GROUP_COLLISION) self->Rename();
        if (state == AVAHI_ENTRY_GROUP_ESTABLISHED && self->announced) self->announced(QString::fromUtf8(self->name));
    }

    static void ClientChanged(AvahiClient* c, AvahiClientState state, void* userdata) {
        auto* self = static_cast<Impl*>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->Register(c);
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            // The daemon renames the machine; the game is announced again once it runs.
            if (self->group) avahi_entry_group_reset(self->group);
            break;
        default:
            break;
        }
    }
};

GameAnnouncement::GameAnnouncement() : impl_(std::make_unique<Impl>()) {}
GameAnnouncement::~GameAnnouncement() = default;

void GameAnnouncement::Start(const QString& name, int port, std::function<void(const QString&)> announced) {
    impl_->Close();
    impl_->name = ServiceName(name);
    impl_->port = port;
    impl_->announced = std::move(announced);
    int error = 0;
    // Without a daemon this fails at once, and the game is simply not announced.
    impl_->client = avahi_client_new(impl_->poll.Api(), AvahiClientFlags(0), &Impl::ClientChanged, impl_.get(), &error);
}

void GameAnnouncement::Stop() { impl_->Close(); }

// ------------------------------------------------------------------ browsing

namespace {

// Which found address a player would rather type: IPv4, then global IPv6, then link-local.
int Preference(const AvahiAddress& a) {
    if (a.proto == AVAHI_PROTO_INET) return 0;
    const uint8_t* b = a.data.ipv6.address;
    return (b[0] == 0xfe && (b[1] & 0xc0) == 0x80) ? 2 : 1;
}

constexpr int kAddressRole = Qt::UserRole + 1;

class LocalGames : public QObject {
public:
    explicit LocalGames(QLineEdit* field) : QObject(field), field_(field) {
        setObjectName(QStringLiteral("localGames"));
        model_ = new QStandardItemModel(this);
        completer_ = new QCompleter(model_, this);
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setCompletionRole(kAddressRole);
        completer_->setCaseSensitivity(Qt::CaseInsensitive);
        field->setCompleter(completer_);
        field->installEventFilter(this);
        if (field->window() != field) field->window()->installEventFilter(this);
        // Not inside the window's creation: the program starts as quickly as before.
        QTimer::singleShot(0, this, [this] { Begin(); });
    }

    // The field is going away: no suggestions to update.
    ~LocalGames() override { Close(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == field_ && !model_->rowCount()) return false;
        if (watched == field_ && field_->isEnabled() &&
            (event->type() == QEvent::MouseButtonRelease ||
             (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down &&
              !completer_->popup()->isVisible()))) {
            completer_->setCompletionPrefix(QString());
            completer_->complete();
        } else if (watched != field_ && event->type() == QEvent::Show && !client_) {
            // The daemon may have come up since: try again whenever the window opens.
            Begin();
        }
        return false;
    }

private:
    using Key = std::tuple<AvahiIfIndex, AvahiProtocol, QByteArray, QByteArray>;  // interface, protocol, name, domain

    struct Found {
        AvahiServiceResolver* resolver = nullptr;
        QString name;
        QString address;  // empty until resolved
        int preference = 0;
    };

    void Begin() {
        if (client_) return;
        int error = 0;
        // Without a daemon this fails at once, and nothing is offered.
        AvahiClient* c = avahi_client_new(poll_.Api(), AvahiClientFlags(0), &LocalGames::ClientChanged, this, &error);
        if (!c) return;
        client_ = c;
        Browse(c);
        if (!browser_) End();
    }

    void Browse(AvahiClient* c) {
        if (!browser_)
            browser_ = avahi_service_browser_new(c, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kGameServiceType, nullptr,
                                                 AvahiLookupFlags(0), &LocalGames::Browsed, this);
        setProperty("running", browser_ != nullptr);
    }

    void End() {
        Close();
        Rebuild();
    }

    void Close() {
        found_.clear();
        // Freeing the client frees its browser and resolvers.
        if (client_) avahi_client_free(client_);
        client_ = nullptr;
        browser_ = nullptr;
        setProperty("running", false);
    }

    static void ClientChanged(AvahiClient* c, AvahiClientState state, void* userdata) {
        auto* self = static_cast<LocalGames*>(userdata);
        if (state == AVAHI_CLIENT_S_RUNNING) {
            self->Browse(c);
        } else if (state == AVAHI_CLIENT_FAILURE && self->client_) {
            // The daemon went away: forget its games, outside its own callback.
            QTimer::singleShot(0, self, [self] { self->End(); });
        }
    }

    static void Browsed(AvahiServiceBrowser* b, AvahiIfIndex iface, AvahiProtocol protocol, AvahiBrowserEvent event,
                        const char* name, const char* type, const char* domain, AvahiLookupResultFlags,
                        void* userdata) {
        auto* self = static_cast<LocalGames*>(userdata);
        if (event != AVAHI_BROWSER_NEW && event != AVAHI_BROWSER_REMOVE) return;
        const Key key{iface, protocol, QByteArray(name), QByteArray(domain)};
        auto it = self->found_.find(key);
        if (it != self->found_.end()) {
            avahi_service_resolver_free(it->second.resolver);
            self->found_.erase(it);
        }
        if (event == AVAHI_BROWSER_NEW) {
            Found& f = self->found_[key];
            f.name = QString::fromUtf8(name);
            // Resolved on the interface and protocol it was found on; it follows later changes.
            f.resolver = avahi_service_resolver_new(avahi_service_browser_get_client(b), iface, protocol, name, type,
                                                    domain, protocol, AvahiLookupFlags(0), &LocalGames::Resolved, self);
            if (!f.resolver) self->found_.erase(key);
        }
        self->Rebuild();
    }

    static void Resolved(AvahiServiceResolver* r, AvahiIfIndex iface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char* name, const char*, const char* domain, const char*,
                         const AvahiAddress* a, uint16_t, AvahiStringList*, AvahiLookupResultFlags,
                         void* userdata) {
        auto* self = static_cast<LocalGames*>(userdata);
        auto it = self->found_.find(Key{iface, protocol, QByteArray(name), QByteArray(domain)});
        if (it == self->found_.end() || it->second.resolver != r) return;
        Found& f = it->second;
        f.address.clear();
        if (event == AVAHI_RESOLVER_FOUND && a) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            avahi_address_snprint(text, sizeof text, a);
            f.address = QString::fromLatin1(text);
            f.preference = Preference(*a);
            char ifname[IF_NAMESIZE] = {};
            // A link-local address needs its interface to be reached.
            if (f.preference == 2 && if_indextoname(static_cast<unsigned>(iface), ifname))
                f.address += QLatin1Char('%') + QString::fromLatin1(ifname);
        }
        self->Rebuild();
    }

    // One suggestion per game, with the address a player would rather type.
    void Rebuild() {
        std::map<QString, const Found*> best;
        for (const auto& [key, f] : found_) {
            if (f.address.isEmpty()) continue;
            const Found*& b = best[f.name];
            if (!b || f.preference < b->preference) b = &f;
        }
        model_->clear();
        for (const auto& [name, f] : best) {
            auto* item = new QStandardItem(name + QStringLiteral("  (") + f->address + QLatin1Char(')'));
            item->setData(f->address, kAddressRole);
            item->setEditable(false);
            model_->appendRow(item);
        }
        if (!model_->rowCount() && completer_->popup()->isVisible()) completer_->popup()->hide();
    }

    QtAvahiPoll poll_;
    QLineEdit* field_;
    QStandardItemModel* model_;
    QCompleter* completer_;
    AvahiClient* client_ = nullptr;
    AvahiServiceBrowser* browser_ = nullptr;
    std::map<Key, Found> found_;
};

}  // namespace

void OfferLocalGames(QLineEdit* field) { new LocalGames(field); }

}  // namespace quorvex
