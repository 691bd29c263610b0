#include "ui/net/discovery.h"

#include "ui/platform/access.h"
#include "ui/platform/ansi.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>
#include <QHeaderView>

#include "core/net/lan/avahilib.h"
#include "core/net/transport/endpoint.h"
#include "core/platform/handover.h"
#include "core/platform/ownedthread.h"

#include <avahi-common/error.h>

#include <net/if.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace quorvex {

namespace {

// On the terminal, from any thread: why no game on the local network can be found.
void TellNoLocalGames(const QString& why) {
    //: On the terminal; %1 is why (a missing library, for one).
    const QString line = QCoreApplication::translate("LocalGames", "Quorvex: no games on the local network: %1").arg(why);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// Avahi's functions; only used on an Avahi thread once Run has loaded them.
const AvahiLibraries& Av() { return *LoadAvahiLibraries(); }

// A thread that runs Avahi's simple poll and, between its turns, the jobs
// handed over to it, in order. Its owner never waits for it: the destructor
// hands over the end and leaves the thread behind (see ~AvahiThread).
class AvahiThread {
public:
    using Job = std::function<void(const AvahiPoll*)>;

    // Throws when its wake-up cannot be made: no job would ever reach it.
    AvahiThread() : state_(std::make_shared<State>()), thread_([s = state_] { Run(*s); }) {}
    ~AvahiThread() {
        Post([s = state_.get()](const AvahiPoll*) { s->ending = true; });
        // Not joined, on purpose: a job may be held inside libdbus (in
        // avahi_client_new, registering with a system bus that does not
        // answer), where nothing can interrupt it. The thread ends once that
        // call returns, or with the process, which does not wait for it.
        thread_.LeaveBehind();
    }
    AvahiThread(const AvahiThread&) = delete;
    AvahiThread& operator=(const AvahiThread&) = delete;

    void Post(Job job) {
        state_->jobs.Post([s = state_.get(), job = std::move(job)] { job(s->api); });
    }

private:
    struct State {
        WakeFd wake;
        HandOver jobs{OwnedByFirstApplier{}, [this] { wake.Signal(); }};
        const AvahiPoll* api = nullptr;  // the thread's
        bool ending = false;             // the thread's
    };

    static void Drain(AvahiWatch*, int, AvahiWatchEvent, void* userdata) { static_cast<State*>(userdata)->wake.Clear(); }

    static void Run(State& s) {
        // Loaded here, off the window's thread; without them the list stays empty.
        std::string missing;
        if (!LoadAvahiLibraries(&missing)) {
            static std::once_flag told;
            std::call_once(told, [&] { TellNoLocalGames(QString::fromLocal8Bit(missing.c_str())); });
            return;
        }
        AvahiSimplePoll* poll = Av().avahi_simple_poll_new();
        if (!poll) return;
        s.api = Av().avahi_simple_poll_get(poll);
        AvahiWatch* watch = s.api->watch_new(s.api, s.wake.Fd(), AVAHI_WATCH_IN, &Drain, &s);
        for (;;) {
            s.jobs.ApplyPending();
            // Should the watch be missing, the jobs are looked at every 100 ms.
            if (s.ending || Av().avahi_simple_poll_iterate(poll, watch ? -1 : 100) < 0) break;
        }
        if (watch) s.api->watch_free(watch);
        Av().avahi_simple_poll_free(poll);
    }

    std::shared_ptr<State> state_;
    OwnedThread thread_;
};

// What the Avahi thread found, handed to the window's thread in order through
// an event descriptor that the window's event loop watches, so that no
// toolkit call crosses the threads. Made on the window's thread, which owns
// it; throws when the descriptor cannot be made. What comes after the window
// has gone stays queued and is never run.
struct WindowInbox {
    WakeFd wake;
    HandOver changes{[this] { wake.Signal(); }};
};

// Runs `then` on the Avahi thread at its next turn, outside the callback
// that asks for it (Avahi frees no object from inside its own callback).
void Soon(const AvahiPoll* api, std::function<void()> then) {
    struct Call {
        const AvahiPoll* api;
        std::function<void()> then;
    };
    timeval when{};
    api->timeout_new(
        api, Av().avahi_elapse_time(&when, 0, 0),
        [](AvahiTimeout* t, void* userdata) {
            auto* call = static_cast<Call*>(userdata);
            call->api->timeout_free(t);
            call->then();
            delete call;
        },
        new Call{api, std::move(then)});
}

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

namespace {

// The announcement as the Avahi thread keeps it; only that thread touches it.
struct Publisher {
    AvahiClient* client = nullptr;
    AvahiEntryGroup* group = nullptr;
    QByteArray name;
    int port = 0;
    std::function<void(const QString&)> announced;

    void Close() {
        // Freeing the client frees its group and withdraws the game.
        if (client) Av().avahi_client_free(client);
        client = nullptr;
        group = nullptr;
        announced = nullptr;
    }

    void Register(AvahiClient* c) {
        if (!group) group = Av().avahi_entry_group_new(c, &Publisher::GroupChanged, this);
        if (!group || !Av().avahi_entry_group_is_empty(group)) return;
        if (Av().avahi_entry_group_add_service(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                          name.constData(), kGameServiceType, nullptr, nullptr,
                                          static_cast<uint16_t>(port), nullptr) == AVAHI_ERR_COLLISION) {
            Rename();
            return;
        }
        Av().avahi_entry_group_commit(group);
    }

    // Another game on the network has this name: take the next one ("Name #2").
    void Rename() {
        char* next = Av().avahi_alternative_service_name(name.constData());
        name = next;
        Av().avahi_free(next);
        Av().avahi_entry_group_reset(group);
        Register(Av().avahi_entry_group_get_client(group));
    }

    static void GroupChanged(AvahiEntryGroup* g, AvahiEntryGroupState state, void* userdata) {
        auto* self = static_cast<Publisher*>(userdata);
        self->group = g;
        if (state == AVAHI_ENTRY_GROUP_COLLISION) self->Rename();
        if (state == AVAHI_ENTRY_GROUP_ESTABLISHED && self->announced) self->announced(QString::fromUtf8(self->name));
    }

    static void ClientChanged(AvahiClient* c, AvahiClientState state, void* userdata) {
        auto* self = static_cast<Publisher*>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->Register(c);
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            // The daemon renames the machine; the game is announced again once it runs.
            if (self->group) Av().avahi_entry_group_reset(self->group);
            break;
        default:
            break;
        }
    }
};

}  // namespace

struct GameAnnouncement::Impl {
    std::unique_ptr<AvahiThread> thread;  // from the first Start on
    std::shared_ptr<Publisher> publisher = std::make_shared<Publisher>();

    ~Impl() {
        if (!thread) return;
        thread->Post([p = publisher](const AvahiPoll*) { p->Close(); });
    }
};

GameAnnouncement::GameAnnouncement() : impl_(std::make_unique<Impl>()) {}
GameAnnouncement::~GameAnnouncement() = default;

void GameAnnouncement::Start(const QString& name, int port, std::function<void(const QString&)> announced) {
    if (!impl_->thread) impl_->thread = std::make_unique<AvahiThread>();
    impl_->thread->Post([p = impl_->publisher, n = ServiceName(name), port,
                         announced = std::move(announced)](const AvahiPoll* api) mutable {
        p->Close();
        p->name = n;
        p->port = port;
        p->announced = std::move(announced);
        int error = 0;
        // Without a daemon this fails, and the game is simply not announced.
        p->client = Av().avahi_client_new(api, AvahiClientFlags(0), &Publisher::ClientChanged, p.get(), &error);
    });
}

void GameAnnouncement::Stop() {
    if (impl_->thread) impl_->thread->Post([p = impl_->publisher](const AvahiPoll*) { p->Close(); });
}

// ------------------------------------------------------------------ browsing

QString SuggestionAddress(const LanGame& game) {
    const QString address = QString::fromStdString(game.address);
    if (game.port == kGamePort) return address;
    const QString host = address.contains(QLatin1Char(':')) ? QLatin1Char('[') + address + QLatin1Char(']') : address;
    return host + QLatin1Char(':') + QString::number(game.port);
}

QString FilledInText(const QString& address) {
    //: Spoken once a game is chosen from the local network's list; %1 is its address.
    return QCoreApplication::translate("LocalGames", "Address filled in: %1").arg(address);
}

QString SuggestionName(const LanGame& game) {
    return QChar(char16_t(0x2068)) + qx::ShownUnicode(QString::fromStdString(game.name)) + QChar(char16_t(0x2069));
}

namespace {

// Which found address a player would rather type: IPv4, then global IPv6, then link-local.
int Preference(const AvahiAddress& a) {
    if (a.proto == AVAHI_PROTO_INET) return 0;
    const uint8_t* b = a.data.ipv6.address;
    return (b[0] == 0xfe && (b[1] & 0xc0) == 0x80) ? 2 : 1;
}

constexpr int kAddressRole = Qt::UserRole + 1;
constexpr int kPortRole = Qt::UserRole + 2;

// The browsing as the Avahi thread keeps it; only that thread touches it. It
// tells the window through its inbox whether it runs and which games it has.
// The list's rules (its bound, one row per name and address) are LanGameList's.
struct Browsing : std::enable_shared_from_this<Browsing> {
    explicit Browsing(std::shared_ptr<WindowInbox> inbox, std::function<void(bool, std::vector<LanGame>)> show)
        : inbox(std::move(inbox)), show(std::move(show)) {}

    std::shared_ptr<WindowInbox> inbox;
    // On the window's thread: whether the list runs, and its games.
    std::function<void(bool, std::vector<LanGame>)> show;
    const AvahiPoll* api = nullptr;
    AvahiClient* client = nullptr;
    AvahiServiceBrowser* browser = nullptr;
    LanGameList games;
    std::map<LanService, AvahiServiceResolver*> resolvers;  // one for each service in games

    void Begin(const AvahiPoll* poll) {
        if (client) return;
        api = poll;
        int error = 0;
        // Without a daemon this fails, and nothing is offered.
        client = Av().avahi_client_new(api, AvahiClientFlags(0), &Browsing::ClientChanged, this, &error);
        if (client) Browse(client);
        if (!browser) End();
    }

    void Browse(AvahiClient* c) {
        if (!browser)
            browser = Av().avahi_service_browser_new(c, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kGameServiceType, nullptr,
                                                AvahiLookupFlags(0), &Browsing::Browsed, this);
        Tell();
    }

    // Forgets the daemon and its games; the window may begin again.
    void End() {
        games = LanGameList();
        resolvers.clear();
        // Freeing the client frees its browser and resolvers.
        if (client) Av().avahi_client_free(client);
        client = nullptr;
        browser = nullptr;
        Tell();
    }

    void Tell() {
        inbox->changes.Post([show = show, running = browser != nullptr, rows = games.Rows()] { show(running, rows); });
    }

    void Forget(const LanService& service) {
        if (const auto it = resolvers.find(service); it != resolvers.end()) {
            Av().avahi_service_resolver_free(it->second);
            resolvers.erase(it);
        }
    }

    static void ClientChanged(AvahiClient* c, AvahiClientState state, void* userdata) {
        auto* self = static_cast<Browsing*>(userdata);
        if (state == AVAHI_CLIENT_S_RUNNING) {
            self->Browse(c);
        } else if (state == AVAHI_CLIENT_FAILURE && self->client) {
            // The daemon went away: forget its games.
            Soon(self->api, [weak = self->weak_from_this()] {
                if (auto b = weak.lock()) b->End();
            });
        }
    }

    static void Browsed(AvahiServiceBrowser* b, AvahiIfIndex iface, AvahiProtocol protocol, AvahiBrowserEvent event,
                        const char* name, const char* type, const char* domain, AvahiLookupResultFlags,
                        void* userdata) {
        auto* self = static_cast<Browsing*>(userdata);
        if (event != AVAHI_BROWSER_NEW && event != AVAHI_BROWSER_REMOVE) return;
        const LanService service{iface, protocol, name, domain};
        self->Forget(service);
        self->games.Remove(service);
        if (event == AVAHI_BROWSER_NEW) {
            // A full list makes room: what it drops is followed no more.
            for (const LanService& dropped : self->games.Add(service)) self->Forget(dropped);
            // Resolved on the interface and protocol it was found on; it follows later changes.
            AvahiServiceResolver* r =
                Av().avahi_service_resolver_new(Av().avahi_service_browser_get_client(b), iface, protocol, name, type,
                                                domain, protocol, AvahiLookupFlags(0), &Browsing::Resolved, self);
            if (r)
                self->resolvers[service] = r;
            else
                self->games.Remove(service);
        }
        self->Tell();
    }

    static void Resolved(AvahiServiceResolver* r, AvahiIfIndex iface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char* name, const char*, const char* domain, const char*,
                         const AvahiAddress* a, uint16_t port, AvahiStringList*, AvahiLookupResultFlags,
                         void* userdata) {
        auto* self = static_cast<Browsing*>(userdata);
        const LanService service{iface, protocol, name, domain};
        const auto it = self->resolvers.find(service);
        if (it == self->resolvers.end() || it->second != r) return;
        LanGame game;
        if (event == AVAHI_RESOLVER_FOUND && a && port != 0) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            Av().avahi_address_snprint(text, sizeof text, a);
            game.address = text;
            game.port = port;
            game.preference = Preference(*a);
            char ifname[IF_NAMESIZE] = {};
            // A link-local address needs its interface to be reached.
            if (game.preference == 2 && if_indextoname(static_cast<unsigned>(iface), ifname))
                game.address += std::string("%") + ifname;
        }
        self->games.Resolved(service, game);
        self->Tell();
    }
};

class LocalGames : public QObject {
public:
    LocalGames(QLineEdit* field, std::function<void(const QString&, int)> chosen)
        : QObject(field), field_(field), chosen_(std::move(chosen)) {
        setObjectName(QStringLiteral("localGames"));
        model_ = new QStandardItemModel(this);
        completer_ = new QCompleter(model_, this);
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setCompletionRole(kAddressRole);
        completer_->setCaseSensitivity(Qt::CaseInsensitive);
        // Up from the first row would leave the list and empty the field.
        completer_->setWrapAround(false);
        // The address in a column of its own, first; the name after it.
        auto* rows = new QTreeView;
        rows->setHeaderHidden(true);
        rows->setRootIsDecorated(false);
        rows->setUniformRowHeights(true);
        rows->setItemsExpandable(false);
        rows->setSelectionBehavior(QAbstractItemView::SelectRows);
        rows->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        rows->header()->setStretchLastSection(true);
        rows_ = rows;
        // Should a row be wider than the screen, the name gives way, never the address.
        rows->setTextElideMode(Qt::ElideRight);
        completer_->setPopup(rows);
        connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& i) {
            if (chosen_) chosen_(i.data(kAddressRole).toString(), i.data(kPortRole).toInt());
            // The field keeps the focus, and a screen reader says only the key.
            qx::Announce(field_->window(), FilledInText(i.data(kAddressRole).toString()));
        });
        field->setCompleter(completer_);
        field->installEventFilter(this);
        if (field->window() != field) field->window()->installEventFilter(this);
    }

    // The field is going away: nothing more to show (the inbox is read no
    // more), and nothing to wait for.
    ~LocalGames() override {
        if (thread_) thread_->Post([b = browsing_](const AvahiPoll*) { b->End(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == field_ && !model_->rowCount()) return false;
        const bool down = event->type() == QEvent::KeyPress &&
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && !completer_->popup()->isVisible();
        if (watched == field_ && field_->isEnabled() && (event->type() == QEvent::MouseButtonRelease || down)) {
            completer_->setCompletionPrefix(QString());
            completer_->complete();
            // By the keyboard the first Down chooses the first game, as every
            // later one chooses the next: the field shows its address.
            if (down) {
                completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
                return true;
            }
        } else if (watched != field_ && event->type() == QEvent::Show && !begun_) {
            // First when the player opens the window; again at a later opening
            // if the daemon could not be reached (it may have come up since).
            Begin();
        }
        return false;
    }

private:
    void Begin() {
        if (!thread_) {
            try {
                auto inbox = std::make_shared<WindowInbox>();
                thread_ = std::make_unique<AvahiThread>();
                auto* notifier = new QSocketNotifier(inbox->wake.Fd(), QSocketNotifier::Read, this);
                connect(notifier, &QSocketNotifier::activated, this, [inbox] {
                    inbox->wake.Clear();
                    inbox->changes.ApplyPending();
                });
                browsing_ = std::make_shared<Browsing>(
                    inbox, [this](bool running, const std::vector<LanGame>& games) { Show(running, games); });
            } catch (const std::exception& e) {
                // Told like missing libraries; a later opening tries again.
                TellNoLocalGames(QString::fromLocal8Bit(e.what()));
                thread_.reset();
                return;
            }
        }
        begun_ = true;
        thread_->Post([b = browsing_](const AvahiPoll* api) { b->Begin(api); });
    }

    void Show(bool running, const std::vector<LanGame>& games) {
        setProperty("running", running);
        if (!running) begun_ = false;
        model_->clear();
        const QFontMetrics metrics = completer_->popup()->fontMetrics();
        int widestAddress = 0, widestName = 0;
        for (const LanGame& game : games) {
            auto* address = new QStandardItem(SuggestionAddress(game));
            auto* name = new QStandardItem(SuggestionName(game));
            for (QStandardItem* cell : {address, name}) {
                cell->setData(QString::fromStdString(game.address), kAddressRole);
                cell->setData(game.port, kPortRole);
                cell->setEditable(false);
            }
            model_->appendRow({address, name});
            widestAddress = std::max(widestAddress, metrics.horizontalAdvance(address->text()));
            widestName = std::max(widestName, metrics.horizontalAdvance(name->text()));
        }
        // Wide enough for every whole row: the address is always seen in full.
        QAbstractItemView* popup = completer_->popup();
        const int margins = 2 * popup->frameWidth() + popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 32;
        const int widest = widestAddress + widestName;
        const int screen = field_->screen() ? field_->screen()->availableGeometry().width() : widest + margins;
        popup->setMinimumWidth(std::min(widest + margins, screen));
        // Once the list has its columns: the address's is as wide as the widest address.
        if (rows_->header()->count() > 0) rows_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        if (!model_->rowCount() && popup->isVisible()) popup->hide();
    }

    QLineEdit* field_;
    std::function<void(const QString&, int)> chosen_;
    QStandardItemModel* model_;
    QCompleter* completer_;
    QTreeView* rows_;  // the completer's popup
    std::unique_ptr<AvahiThread> thread_;  // from the window's first showing on
    std::shared_ptr<Browsing> browsing_;
    bool begun_ = false;  // a connection to the daemon is wanted or runs
};

}  // namespace

void OfferLocalGames(QLineEdit* field, std::function<void(const QString&, int)> chosen) {
    new LocalGames(field, std::move(chosen));
}

}  // namespace quorvex
