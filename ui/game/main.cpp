#include "ui/game/main.h"

#include "core/game/singleplayer.h"
#include "core/game/weblinks.h"
#include "ui/game/gametexts.h"
#include "ui/platform/access.h"
#include "ui/platform/ansi.h"
#include "ui/platform/desktop.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "core/platform/installation.h"
#include "core/platform/text.h"
#include "ui/platform/look.h"
#include "ui/platform/pictures.h"
#include "core/records/records.h"
#include "core/savegames/slotfile.h"
#include "core/settings/settingsfile.h"
#include "core/stats/statfile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {
QString Dec(std::int64_t v) { return QString::number(v); }

// The game panels keep the desktop's own face colour, as standard panels do.
void FacePanel(QFrame* panel) {
    panel->setAutoFillBackground(true);
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Window, qx::kFace);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Button, qx::kFace);
    p.setColor(QPalette::ButtonText, Qt::black);
    panel->setPalette(p);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
}

const QColor kWindowText = Qt::black;

// The game panels lie under the start panel until a game starts; hidden
// meanwhile, so that assistive tools do not report a field nobody can see.
class ShownWhenCoverHides : public QObject {
public:
    ShownWhenCoverHides(QWidget* cover, QWidget* covered) : QObject(cover), covered_(covered) {
        covered_->setVisible(cover->isHidden());
        cover->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::HideToParent) covered_->show();
        if (event->type() == QEvent::ShowToParent) covered_->hide();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* covered_;
};

QString PlayerText(const QString& name) {
    //: The player's name as the settings hold it, in quotes.
    return THaupt::tr("Player \"%1\"").arg(name);
}

QString StatisticsNotSaved(const QString& cause) {
    //: %1 is the system's cause, a sentence of its own.
    return THaupt::tr("The statistics could not be saved.\n%1").arg(cause);
}

// A menu entry opens its window when there is one.
void Open(const std::function<void()>& window) {
    if (window) window();
}
}  // namespace

THaupt::THaupt(QWidget* parent) : QMainWindow(parent), alpha_(this) {
    setObjectName(QStringLiteral("Haupt"));
    setWindowTitle(QStringLiteral("Quorvex"));
    // A fixed-size window: a caption bar with its close box only. The flags are
    // set here once; changing them later would recreate the native window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetAppIcon();

    LoadFieldPictures();
    // A new game redraws the whole field, a flood of changes for a screen
    // reader to go through: its news is told once that has passed.
    constexpr int kAfterNewFieldMs = 1000;
    news_ = new qx::News(this, kAfterNewFieldMs);
    bombColour_ = qx::Picture(QStringLiteral(":/assets/bomb.png"));
    bombGrey_ = qx::Picture(QStringLiteral(":/assets/bomb_grey.png"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(477, 235);
    qx::SetColours(client, Qt::white, Qt::black);
    setCentralWidget(client);
    BuildGamePanels();
    BuildStartPanel();
    new ShownWhenCoverHides(StartPanel, GameMainPanel);
    BuildMenu();
    BuildStatusBar();

    Timer1 = qx::MakeTimer(this, QStringLiteral("Timer1"), 10, &THaupt::Timer1Timer);
    Timer2 = qx::MakeTimer(this, QStringLiteral("Timer2"), 10, &THaupt::Timer2Timer);
    Timer3 = qx::MakeTimer(this, QStringLiteral("Timer3"), 10, &THaupt::Timer3Timer);

    // Alpha blending is on with value 0 from creation: transparent until start-up lets it appear.
    alpha_.SetValue(0);
    alpha_.SetEnabled(true);
    alpha_.OnRelease([this] {
        if (!showWanted_) return;
        showWanted_ = false;
        setVisible(true);
    });
    qx::SetMainWindow(this);

    setFixedSize(477, menuBar()->sizeHint().height() + 235 + 20);
    // The one native window of the run, made now so the other windows can name
    // it as theirs even while it is still held back.
    create();
    session_.AddListener([this](const SessionView& view) { Show(view); });
    FormCreate();
}

void THaupt::SetAppIcon() {
    // The sizes window lists, task bars and switchers draw; each is decoded and
    // sent to the window system as the window is shown, so no larger ones.
    QIcon appIcon;
    for (int size : {16, 32, 48, 64})
        appIcon.addPixmap(QPixmap::fromImage(qx::PngFile(QStringLiteral(":/assets/appicon/quorvex-%1.png").arg(size))));
    setWindowIcon(appIcon);
}

void THaupt::BuildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(20);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = new QLabel(tr("Quorvex v1.3 PRE-RELEASE 3 - a game by the Quorvex team"), StatusBar1);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setTextFormat(Qt::PlainText);
    StatusPanel->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(StatusPanel, 1);
    setStatusBar(StatusBar1);
}

THaupt::~THaupt() {
    if (qx::MainWindow() == this) qx::SetMainWindow(nullptr);
}

void THaupt::setVisible(bool visible) {
    if (visible && alpha_.HoldsBack()) {
        showWanted_ = true;
        return;
    }
    showWanted_ = false;
    if (visible) alpha_.Appeared();
    QMainWindow::setVisible(visible);
}

void THaupt::BuildStartPanel() {
    QWidget* client = centralWidget();
    StartPanel = qx::MakePanel(client, QStringLiteral("StartPanel"), QRect(6, 8, 466, 220), Qt::black);
    Image28 = new QLabel(StartPanel);
    Image28->setObjectName(QStringLiteral("Image28"));
    Image28->setGeometry(128, 8, 200, 200);
    Image28->setPixmap(qx::JpegResource(QStringLiteral(":/assets/start.jpg")));
    qx::NamePicture(Image28, tr("Quorvex start picture"));
    Label8 = qx::MakeLabel(StartPanel, QStringLiteral("Label8"), tr("Quorvex v1.3"), QRect(8, 72, 450, 44),
                           qx::VerdanaPx(35, true), Qt::white, Qt::AlignHCenter | Qt::AlignTop);
    Label5 = qx::MakeLabel(StartPanel, QStringLiteral("Label5"), QStringLiteral("Zentrafell"), 72, 72,
                           qx::VerdanaPx(11), Qt::white);
    Label13 = qx::MakeLabel(StartPanel, QStringLiteral("Label13"), tr("PRE-RELEASE 3"), 48, 104,
                            qx::VerdanaPx(35, true), qx::kLime);
    Label14 = qx::MakeLabel(StartPanel, QStringLiteral("Label14"), tr("written by the Quorvex team"),
                            QRect(8, 176, 450, 16), qx::VerdanaPx(11), Qt::white, Qt::AlignHCenter);
    Label16 = qx::MakeLabel(StartPanel, QStringLiteral("Label16"),
                            tr("Found a fault? Report it in the project's issue tracker."),
                            QRect(8, 194, 450, 16), qx::VerdanaPx(11), Qt::white, Qt::AlignHCenter);
    StartPanel->raise();
}

void THaupt::BuildGamePanels() {
    QWidget* client = centralWidget();
    GameMainPanel = qx::MakePanel(client, QStringLiteral("GameMainPanel"), QRect(6, 8, 466, 220), Qt::black);
    // In the order the panels overlap and Tab visits them.
    BuildInfoPanel();
    BuildFieldPanel();
    BuildTurnPanel();
    // The figures are stops of Tab after the field and its two buttons, each
    // read with its caption.
    QWidget* previous = RestartBut;
    for (QLabel* figure : {Money, VictimCount, DragonCount, Label1, Label2, Bilanz, Treffer, Verfehlt}) {
        // Money's caption ends in its "$", which the figure's own edge would cut.
        qx::MakeReadable(figure, QString(), figure == Money ? Label4 : nullptr);
        qx::SetTabOrder(previous, figure);
        previous = figure;
    }
    NameFigures();
}

void THaupt::BuildInfoPanel() {
    InfoPanel = qx::MakePanel(GameMainPanel, QStringLiteral("InfoPanel"), QRect(0, 0, 466, 58));
    FacePanel(InfoPanel);
    const QFont info = qx::VerdanaPx(13, true);
    Label3 = qx::MakeLabel(InfoPanel, QStringLiteral("Label3"), PlayerText(QString()), QRect(8, 4, 320, 16),
                           info, qx::kNavy, Qt::AlignLeft | Qt::AlignVCenter);
    Label15 = qx::MakeLabel(InfoPanel, QStringLiteral("Label15"), GameTypeText(0, GameTypeWording::New), QRect(8, 20, 320, 16),
                            info, qx::kNavy, Qt::AlignLeft | Qt::AlignVCenter);
    Label4 = qx::MakeLabel(InfoPanel, QStringLiteral("Label4"), tr("Money: $"), QRect(8, 36, 66, 16), info,
                           kWindowText, Qt::AlignLeft | Qt::AlignVCenter);
    Money = qx::MakeLabel(InfoPanel, QStringLiteral("Money"), QStringLiteral("1000"), QRect(74, 36, 250, 16), info,
                          kWindowText, Qt::AlignLeft | Qt::AlignVCenter);
    Image26 = new QLabel(InfoPanel);
    Image26->setObjectName(QStringLiteral("Image26"));
    Image26->setGeometry(336, 2, 25, 25);
    Image26->setPixmap(qx::Picture(QStringLiteral(":/assets/counter_victim.png")));
    qx::NamePicture(Image26, tr("Victims"));
    Image27 = new QLabel(InfoPanel);
    Image27->setObjectName(QStringLiteral("Image27"));
    Image27->setGeometry(336, 26, 25, 25);
    Image27->setPixmap(qx::Picture(QStringLiteral(":/assets/counter_dragon.png")));
    qx::NamePicture(Image27, tr("Dragons"));
    const QFont counter = qx::VerdanaPx(24, true);
    VictimCount = qx::MakeLabel(InfoPanel, QStringLiteral("VictimCount"), QStringLiteral("0"), QRect(368, 0, 94, 28),
                                counter, Qt::gray, Qt::AlignLeft | Qt::AlignVCenter);
    DragonCount = qx::MakeLabel(InfoPanel, QStringLiteral("DragonCount"), QStringLiteral("0"), QRect(368, 24, 94, 28),
                                counter, Qt::gray, Qt::AlignLeft | Qt::AlignVCenter);
}

namespace {
// The English caption is drawn into the picture; another language gets the same
// picture drawn with its own word, made smaller until it fits the same room.
QPixmap ReloadPicture(const QString& caption) {
    if (caption == QLatin1String("Reload")) return qx::Picture(QStringLiteral(":/assets/reload.png"));
    const qreal ratio = qGuiApp->devicePixelRatio();
    QImage image(qRound(100 * ratio), qRound(25 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    for (int px = 18; px > 9; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(caption) <= 96) break;
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 100, 25), Qt::AlignCenter, caption);
    p.end();
    return QPixmap::fromImage(image);
}
}  // namespace

void THaupt::BuildFieldPanel() {
    GamePanel = qx::MakePanel(GameMainPanel, QStringLiteral("GamePanel"), QRect(0, 64, 322, 156));
    FacePanel(GamePanel);
    GroupBox2 = qx::MakeGroupBox(GamePanel, QStringLiteral("GroupBox2"), tr(" Bomb here "),
                                 QRect(8, 4, 138, 146));
    const auto field = BuildField(GroupBox2, 1, FieldKind::Bomb, [this](int n) { ImageClick(n); });
    std::copy(field.begin(), field.end(), Image.begin() + 1);
    BombIt = qx::MakeButton(GamePanel, QStringLiteral("BombIt"), tr("Quorvex!"), QRect(152, 8, 162, 42),
                            false, bombColour_);
    BombIt->setFont(qx::VerdanaPx(13, true));
    SetBombButtonEnabled(false);
    qx::ConnectHandler(BombIt, &QPushButton::clicked, this, &THaupt::BombItClick);
    Label1 = qx::MakeLabel(GamePanel, QStringLiteral("Label1"), tr("Bombed Victims:"),
                           QRect(152, 54, 165, 14), qx::SansSerifPx(11), Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    Label2 = qx::MakeLabel(GamePanel, QStringLiteral("Label2"), tr("Bombed Dragons:"),
                           QRect(152, 68, 165, 13), qx::SansSerifPx(11), Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    Kill = qx::MakeLabel(GamePanel, QStringLiteral("Kill"), QString(), QRect(152, 80, 169, 16), qx::VerdanaPx(13, true),
                         qx::kMaroon, Qt::AlignLeft | Qt::AlignVCenter);
    KillBonus = qx::MakeLabel(GamePanel, QStringLiteral("KillBonus"), QString(), QRect(152, 94, 169, 16),
                              qx::VerdanaPx(13, true), qx::kGreen, Qt::AlignLeft | Qt::AlignVCenter);
    RestartBut = qx::MakeButton(GamePanel, QStringLiteral("RestartBut"), QString(), QRect(152, 112, 162, 34), true,
                                ReloadPicture(tr("Reload")));
    qx::NamePicture(RestartBut, tr("Reload"));
    RestartBut->setEnabled(false);
    qx::ConnectHandler(RestartBut, &QPushButton::clicked, this, &THaupt::RestartButClick);
}

void THaupt::BuildTurnPanel() {
    InfoPanel2 = qx::MakePanel(GameMainPanel, QStringLiteral("InfoPanel2"), QRect(328, 64, 138, 156));
    FacePanel(InfoPanel2);
    const QFont small = qx::VerdanaPx(11);
    const QFont normal = qx::VerdanaPx(13);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    Label6 = qx::MakeLabel(InfoPanel2, "Label6", tr("Gain per Victim:"), QRect(8, 8, 126, 14), small, kWindowText, left);
    provic = qx::MakeLabel(InfoPanel2, "provic", "0", QRect(8, 22, 126, 14), small, kWindowText, left);
    Label7 = qx::MakeLabel(InfoPanel2, "Label7", tr("Loss per Dragon:"), QRect(8, 40, 126, 14), small, kWindowText, left);
    prodra = qx::MakeLabel(InfoPanel2, "prodra", "0", QRect(8, 54, 126, 14), small, kWindowText, left);
    Label12 = qx::MakeLabel(InfoPanel2, "Label12", tr("Total gain / loss:"), QRect(8, 80, 128, 16), normal, kWindowText, left);
    Bilanz = qx::MakeLabel(InfoPanel2, "Bilanz", "$0", QRect(8, 96, 126, 16), normal, kWindowText, left);
    Label10 = qx::MakeLabel(InfoPanel2, "Label10", tr("Hits:"), QRect(8, 112, 40, 16), normal, kWindowText, left);
    Treffer = qx::MakeLabel(InfoPanel2, "Treffer", "0", QRect(48, 112, 80, 16), normal, kWindowText, left);
    Label11 = qx::MakeLabel(InfoPanel2, "Label11", tr("Miss:"), QRect(8, 128, 40, 16), normal, kWindowText, left);
    Verfehlt = qx::MakeLabel(InfoPanel2, "Verfehlt", "0", QRect(48, 128, 80, 16), normal, kWindowText, left);
}

void THaupt::NameFigures() {
    // Set only when changed: every change is an event a screen reader has to go through.
    const auto name = [](QLabel* figure, const QString& caption, const QString& text) {
        const QString named = caption + QLatin1Char(' ') + text;
        if (figure->accessibleName() != named) figure->setAccessibleName(named);
    };
    //: The money figure as a screen reader names it.
    name(Money, tr("Money:"), QStringLiteral("$") + Money->text());
    name(VictimCount, Image26->accessibleName(), VictimCount->text());
    name(DragonCount, Image27->accessibleName(), DragonCount->text());
    name(Bilanz, Label12->text(), Bilanz->text());
    name(Treffer, Label10->text(), Treffer->text());
    name(Verfehlt, Label11->text(), Verfehlt->text());
}

QAction* THaupt::AddEntry(QMenu* menu, const char* name, const QString& caption, const char* icon,
                          void (THaupt::*handler)()) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    // The entries' pictures are decoded when a menu first opens (ShowMenuIcons):
    // the first frame shows none of them.
    if (icon) menuIcons_.emplace_back(a, icon);
    qx::ConnectHandler(a, &QAction::triggered, this, handler);
    return a;
}

void THaupt::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* spiel = bar->addMenu(tr("Game"));
    spiel->setObjectName(QStringLiteral("Spiel1"));
    PlayerStat1 = AddEntry(spiel, "PlayerStat1", tr("Statistic"), "statistic", &THaupt::PlayerStat1Click);
    Konfiguration1 = AddEntry(spiel, "Konfiguration1", tr("Config"), "config", &THaupt::Konfiguration1Click);
    Beenden1 = AddEntry(spiel, "Beenden1", tr("Exit"), "exit", &THaupt::Beenden1Click);

    QMenu* single = bar->addMenu(tr("Singleplayer"));
    single->setObjectName(QStringLiteral("Singleplayer1"));
    N1Spieler1 = single->addMenu(tr("New game"));
    N1Spieler1->setObjectName(QStringLiteral("N1Spieler1"));
    menuIcons_.emplace_back(N1Spieler1->menuAction(), "newgame");
    EndlosSpiel1 = AddEntry(N1Spieler1, "EndlosSpiel1", tr("Endless game"), nullptr, &THaupt::N1Spieler1Click);
    he100th1 = AddEntry(N1Spieler1, "he100th1", GameTypeText(2, GameTypeWording::New), nullptr, &THaupt::he100th1Click);
    N10001 = AddEntry(N1Spieler1, "N10001", GameTypeText(3, GameTypeWording::New), nullptr, &THaupt::N10001Click);
    single->addSeparator()->setObjectName(QStringLiteral("N5"));
    Spielladen1 = AddEntry(single, "Spielladen1", tr("Load game"), "load", &THaupt::Spielladen1Click);
    Spielsichern1 = AddEntry(single, "Spielsichern1", tr("Save game"), "save", &THaupt::Spielsichern1Click);
    Spielsichern1->setEnabled(false);
    single->addSeparator()->setObjectName(QStringLiteral("N4"));
    managesavnes1 = AddEntry(single, "managesavnes1", tr("Delete savegame"), "delete", &THaupt::managesavnes1Click);
    // Below the entries the menu had, so none of them moves.
    single->addSeparator()->setObjectName(QStringLiteral("N6"));
    Rekorde1 = AddEntry(single, "Rekorde1", tr("Records"), nullptr, &THaupt::Rekorde1Click);

    QMenu* multi = bar->addMenu(tr("Multiplayer"));
    multi->setObjectName(QStringLiteral("Multiplayer2"));
    Spielbeitreten1 = AddEntry(multi, "Spielbeitreten1", tr("Host game"), "host", &THaupt::Spielbeitreten1Click);
    Joingame1 = AddEntry(multi, "Joingame1", tr("Join game"), "join", &THaupt::Joingame1Click);

    QMenu* q = bar->addMenu(QStringLiteral("?"));
    q->setObjectName(QStringLiteral("N1"));
    Anleitung1 = AddEntry(q, "Anleitung1", tr("Help"), "help", &THaupt::Anleitung1Click);
    q->addSeparator()->setObjectName(QStringLiteral("N3"));
    Zentrafellcom1 = AddEntry(q, "Zentrafellcom1", QString::fromLatin1(kMakerSiteCaption), "web",
                              &THaupt::Zentrafellcom1Click);
    //: %1 is the web site's name; the site is in German only.
    const QString authorSite = tr("%1 (german)").arg(QString::fromLatin1(kAuthorSiteCaption));
    QXHomepage1 = AddEntry(q, "QXHomepage1", authorSite, "web", &THaupt::QXHomepage1Click);
    q->addSeparator()->setObjectName(QStringLiteral("N2"));
    ber1 = AddEntry(q, "ber1", tr("About..."), "about", &THaupt::ber1Click);

    SetMenuShortcuts();
    for (QMenu* menu : {spiel, single, multi, q}) connect(menu, &QMenu::aboutToShow, this, &THaupt::ShowMenuIcons);
    qx::SpeakMenuTitles(bar);
    // F10 opens the first menu, as on the desktop; the arrow keys go on from there.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [bar] { bar->setActiveAction(bar->actions().value(0)); });
}

void THaupt::SetMenuShortcuts() {
    // The desktop's usual keys where it has them; the game modes by number.
    Anleitung1->setShortcut(QKeySequence(Qt::Key_F1));
    Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Spielsichern1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Spielladen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    EndlosSpiel1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    he100th1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    N10001->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    // The key other games give their high scores.
    Rekorde1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
}

void THaupt::SetMenuWindows(MainMenuWindows windows) {
    menu_ = std::move(windows);
    UpdateMenuAvailability();
}

void THaupt::UpdateMenuAvailability() {
    PlayerStat1->setEnabled(bool(menu_.statistics));
    Konfiguration1->setEnabled(bool(menu_.settings));
    Spielladen1->setEnabled(bool(menu_.load));
    managesavnes1->setEnabled(bool(menu_.deleteSaves));
    Rekorde1->setEnabled(bool(menu_.records));
    if (!menu_.save) Spielsichern1->setEnabled(false);
    Spielbeitreten1->setEnabled(bool(menu_.host));
    Joingame1->setEnabled(bool(menu_.join));
    Anleitung1->setEnabled(bool(menu_.help));
    ber1->setEnabled(bool(menu_.about));
}

void THaupt::ShowMenuIcons() {
    for (const auto& [action, name] : std::exchange(menuIcons_, {}))
        action->setIcon(QIcon(qx::ButtonIcon(QString::fromLatin1(name))));
}

void THaupt::FormCreate() {
    qx::CentreOnScreen(this);
    // The program folder is fixed once (tests set it beforehand). An
    // installed copy makes the player's own folder on its first start; if it
    // cannot, the game still runs and the player knows nothing will be kept.
    if (const auto why = qx::PrepareProgramFolder())
        qx::ShowMessageText(tr("Your settings, statistics and savegames cannot be kept.\n%1")
                                .arg(qx::FromSystem(qx::ErrorReportText(*why))),
                            this);
    const std::string settingsPath = SettingsPath();
    Spielsichern1->setEnabled(false);
    // What a save killed half-way left behind goes before anything is read.
    std::vector<std::string> files{settingsPath, StatisticsPath(), RecordsStore::DefaultPath()};
    for (int n = 1; n <= kSlotCount; ++n) files.push_back(SlotPath(n));
    qx::RemoveStaleTemporaries(files);
    // Defaults when missing, then the three start-up values.
    EnsureSettingsFile(settingsPath);
    const StartupSettings s = ReadStartupSettings(settingsPath);
    fadeSwitch_ = s.fade;
    ShowPlayerName(s.name);
    // Splash, fade-in or opaque at once.
    if (IsOn(s.splash))
        Timer3->start();
    else if (IsOn(fadeSwitch_))
        Timer1->start();
    else
        alpha_.SetValue(255);
    session_.Start();
}

void THaupt::ShowPlayerName(const std::string& name) {
    Label3->setText(PlayerText(qx::FromAnsi(name)));
}

QString THaupt::StatusText() const { return StatusPanel->text(); }
void THaupt::SetStatusText(const QString& text) { StatusPanel->setText(text); }

void THaupt::SetBombButtonEnabled(bool on) {
    BombIt->setEnabled(on);
    BombIt->setIcon(QIcon(on ? bombColour_ : bombGrey_));
}

void THaupt::ShowCell(int cell, CellLook look) { ShowLook(Image[cell], look, FieldKind::Bomb); }

// Every view of the session is shown here, in one order, whichever move made it.
void THaupt::Show(const SessionView& v) {
    if (v.saveEntry) Spielsichern1->setEnabled(bool(menu_.save));
    if (v.hideStartPanel) {
        StartPanel->hide();
        for (QWidget* w : {static_cast<QWidget*>(GameMainPanel), static_cast<QWidget*>(InfoPanel),
                           static_cast<QWidget*>(InfoPanel2), static_cast<QWidget*>(GamePanel),
                           static_cast<QWidget*>(GroupBox2)})
            w->update();
    }
    if (v.turnCleared) {
        Kill->clear();
        KillBonus->clear();
        SetBombButtonEnabled(false);
        // Reload disables itself: a keyboard player's focus goes back to the field.
        const bool hadFocus = RestartBut->hasFocus();
        RestartBut->setEnabled(false);
        RestartBut->setAccessibleDescription(QString());
        if (hadFocus) qx::HandFocusTo(Image[1]);
    }
    if (v.resultsCleared) {
        qx::SetColours(Bilanz, kWindowText);
        Bilanz->setText(QStringLiteral("$0"));
        Treffer->setText(QStringLiteral("0"));
        Verfehlt->setText(QStringLiteral("0"));
        Label1->setText(tr("Bombed Victims:"));
        Label2->setText(tr("Bombed Dragons:"));
    }
    if (v.freshField) ShowEmptyField();
    if (v.cell) ShowCell(v.cell->first, v.cell->second);
    if (v.marking) {
        SetStatusText(MarkingText(*v.marking));
        SetBombButtonEnabled(v.marking->canBomb);
    }
    if (v.rates) {
        provic->setText(QStringLiteral("$") + Dec(v.gainPerVictim));
        prodra->setText(QStringLiteral("$") + Dec(v.lossPerDragon));
    }
    if (v.savePrice) {
        if (v.freeSave)
            Spielsichern1->setText(tr("Save game"));
        else
            //: The menu entry with the price the next save costs.
            Spielsichern1->setText(tr("Save game [ $%1 ]").arg(v.price));
    }
    if (v.playerName) ShowPlayerName(*v.playerName);
    if (v.turn) ShowTurn(*v.turn);
    if (v.money) Money->setText(qx::FromAnsi(*v.money));
    if (v.gameType) Label15->setText(GameTypeText(*v.gameType, GameTypeWording::New));
    if (v.loadedGameType) Label15->setText(GameTypeText(*v.loadedGameType, GameTypeWording::Loaded));
    // The message of a won game comes before the counters show the end.
    if (v.turn && v.turn->result.won) qx::ShowMessageText(WinText(v.turn->mode, Game().money), this);
    if (v.counters) {
        VictimCount->setText(qx::FromAnsi(v.counters->first));
        DragonCount->setText(qx::FromAnsi(v.counters->second));
    }
    NameFigures();
    // A mark is told with what is left to mark, wherever the focus is.
    if (v.cell && v.marking) qx::Announce(this, MarksLeftText(v.markCount, *v.marking));
}

void THaupt::ShowTurn(const TurnView& turn) {
    // The revealed field takes no clicks but stays readable by the keyboard.
    for (int n = 1; n <= kCells; ++n) Image[n]->SetClickable(false);
    const bool hadFocus = BombIt->hasFocus();
    SetBombButtonEnabled(false);
    const Placement& p = turn.placement;
    for (int c : p.victims) ShowCell(c, turn.marks[c] ? CellLook::VictimHit : CellLook::Victim);
    for (int c : p.dragons) ShowCell(c, turn.marks[c] ? CellLook::DragonHit : CellLook::Dragon);
    for (int n = 1; n <= kCells; ++n) {
        const auto holds = [n](const auto& cells) { return std::find(cells.begin(), cells.end(), n) != cells.end(); };
        if (!holds(p.victims) && !holds(p.dragons)) AnnounceEmptyCell(Image[n], turn.marks[n]);
    }
    const BombTurn& t = turn.result;
    if (t.score.streak != 0) {
        Kill->setText(KillText(t.score.victimHits));
        KillBonus->setText(QStringLiteral("+$") + Dec(t.score.killBonus));
    }
    Label1->setText(tr("Bombed Victims: %1").arg(t.score.victimHits));
    Label2->setText(tr("Bombed Dragons: %1").arg(t.score.dragonHits));
    QColor colour = kWindowText;
    if (t.score.turnTotal > 0)
        colour = qx::kGreen;
    else if (t.score.turnTotal != 0)
        colour = qx::kMaroon;
    qx::SetColours(Bilanz, colour);
    Bilanz->setText(qx::FromAnsi(t.amountText));
    Treffer->setText(Dec(t.hits));
    Verfehlt->setText(Dec(t.misses));
    SetStatusText(BombedText(t.hits, t.misses, t.score.turnTotal));
    if (t.canRestart) RestartBut->setEnabled(true);
    // The bomb button has disabled itself: the focus goes on to the next
    // step, telling the turn's result.
    if (hadFocus)
        qx::HandFocusTo(t.canRestart ? static_cast<QWidget*>(RestartBut) : Image[1],
                        t.canRestart ? TurnNews() : QString());
}

QString THaupt::TurnNews() const {
    QStringList parts{StatusText(), Label1->text(), Label2->text()};
    if (!Kill->text().isEmpty()) parts << Kill->text() + QLatin1Char(' ') + KillBonus->text();
    return parts.join(QStringLiteral(". "));
}

void THaupt::Appear() {
    // Shown, not hidden and shown again: that would give the window a new
    // native window, which the window system may place elsewhere.
    setVisible(true);
    // The switch as read at start-up, not as the settings dialog shows it now.
    if (IsOn(fadeSwitch_))
        Timer1->start();
    else
        alpha_.SetValue(255);
}

void THaupt::ShowEmptyField() {
    for (int n = 1; n <= kCells; ++n) {
        ShowCell(n, CellLook::Smile);
        Image[n]->setEnabled(true);
        Image[n]->SetClickable(true);
    }
}

void THaupt::ImageClick(int n) {
    if (n < 1 || n > kCells) return;
    session_.Mark(n);
}

void THaupt::BombItClick() {
    // A turn is bombed with exactly five marks; the button is only enabled then.
    if (!session_.CanBomb()) return;
    // Reseeded from the clock at every turn.
    lastPlacement_ = placementSource_ ? placementSource_() : [] {
        qx::Rng rng = qx::Rng::FromClock();
        return PlaceFigures(rng);
    }();
    session_.Bomb(lastPlacement_);
}

void THaupt::RestartButClick() { session_.NextTurn(); }

void THaupt::N1Spieler1Click() {
    session_.NewGame(1);
    AnnounceNewGame();
}

void THaupt::he100th1Click() {
    session_.NewGame(2);
    AnnounceNewGame();
}

void THaupt::N10001Click() {
    session_.NewGame(3);
    AnnounceNewGame();
}

void THaupt::AnnounceNewGame() { news_->Add(tr("New game: %1").arg(Label15->text())); }

void THaupt::Timer1Timer() {
    if (alpha_.Value() > 250) {
        Timer1->stop();
        return;
    }
    if (!alpha_.Enabled()) {
        alpha_.SetEnabled(true);
        alpha_.SetValue(0);
    }
    alpha_.SetValue(alpha_.Value() + 5);
}

void THaupt::Timer2Timer() {
    if (Timer1->isActive()) Timer1->stop();
    if (alpha_.Value() == 0) {
        Timer2->stop();
        return;
    }
    if (!alpha_.Enabled()) {
        alpha_.SetEnabled(true);
        alpha_.SetValue(255);
    }
    alpha_.SetValue(alpha_.Value() - 5);
}

void THaupt::Timer3Timer() {
    Timer3->stop();
    // The splash screen takes over and hands on to the fade-in when it ends.
    if (menu_.splash) {
        menu_.splash();
        return;
    }
    if (IsOn(fadeSwitch_))
        Timer1->start();
    else
        alpha_.SetValue(255);
}

bool THaupt::FormCloseQuery() {
    // An endless game under way ends with the run, before the window fades.
    session_.EndRun(skipFadeWait_);
    alpha_.SetEnabled(true);
    if (IsOn(fadeSwitch_) && !skipFadeWait_) {
        Timer2->start();
        const double wait = std::nearbyint(alpha_.Value() / 5.0 * Timer2->interval());
        qx::PumpingDelay(static_cast<std::uint16_t>(wait));
    }
    return true;
}

void THaupt::FormClose() {
    Timer1->stop();
    Timer2->stop();
    try {
        SaveStatistics(session_.Statistics());
    } catch (const qx::SystemError& e) {
        // The program still ends; the player learns that this run's figures are lost.
        qx::ShowMessageText(StatisticsNotSaved(qx::FromSystem(qx::ErrorReportText(e.Text()))), this);
    } catch (const std::exception& e) {
        qx::ShowMessageText(StatisticsNotSaved(qx::FromAnsi(qx::ErrorReportText(e.what()))), this);
    }
}

void THaupt::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    if (closing_) {  // a second close request during the fade-out wait
        event->ignore();
        return;
    }
    closing_ = true;
    bool allow = true;
    qx::Guard([&] { allow = FormCloseQuery(); });
    closing_ = false;
    if (!allow) {
        event->ignore();
        return;
    }
    closeAllowed_ = true;
    qx::Guard([this] { FormClose(); });
    event->accept();
}

void THaupt::Beenden1Click() { close(); }

void THaupt::CloseForSessionEnd() {
    if (closeAllowed_) return;
    skipFadeWait_ = true;
    // Open dialogs end with the run without being asked (a running server's
    // window would refuse): every event loop, modal ones included, returns.
    if (close()) QCoreApplication::exit(0);
    skipFadeWait_ = false;
}

void THaupt::PlayerStat1Click() { Open(menu_.statistics); }
void THaupt::Konfiguration1Click() { Open(menu_.settings); }
void THaupt::Spielladen1Click() { Open(menu_.load); }
void THaupt::Spielsichern1Click() { Open(menu_.save); }
void THaupt::managesavnes1Click() { Open(menu_.deleteSaves); }
void THaupt::Rekorde1Click() { Open(menu_.records); }
void THaupt::Spielbeitreten1Click() { Open(menu_.host); }
void THaupt::Joingame1Click() { Open(menu_.join); }
void THaupt::Anleitung1Click() { Open(menu_.help); }
void THaupt::Zentrafellcom1Click() { qx::ShellOpen(kMakerSiteUrl); }
void THaupt::QXHomepage1Click() { qx::ShellOpen(kAuthorSiteUrl); }
void THaupt::ber1Click() { Open(menu_.about); }

}  // namespace quorvex
