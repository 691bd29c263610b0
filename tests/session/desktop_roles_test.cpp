// How the windows meet the desktop, on the offscreen platform: the ways the
// alpha value shows, which window owns which, and the pictures for scaled
// screens. The program runs at scale 1 and again at scale 2 (QT_SCALE_FACTOR),
// with the same expectations in logical pixels.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/platform/alpha.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/pictures.h"
#include "ui/settings/einstellungen.h"
#include "support/controls.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QDirIterator>
#include <QMenuBar>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using Mode = qx::AlphaBlend::Mode;

namespace {

class MainWindowWays : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override { qx::AlphaBlend::SetModeForTests(std::nullopt); }

    std::unique_ptr<THaupt> Open(const char* settings, Mode mode) {
        std::ofstream(dir.File("setup.ini"), std::ios::binary) << settings;
        qx::AlphaBlend::SetModeForTests(mode);
        auto w = std::make_unique<THaupt>();
        w->show();
        return w;
    }
    static QWidget* Veil(THaupt& w) { return w.findChild<QWidget*>("AlphaVeil", Qt::FindDirectChildrenOnly); }

    qxtest::TempDir dir;
    qx::DialogScript script;
};

// Where the platform has no window opacity, the window waits for the value
// to rise above 0 and then stays; the value itself runs exactly as anywhere.
TEST_P(MainWindowWays, TheWindowAppearsWhenTheValueFirstRises) {
    auto w = Open("[Einstellungen]\r\nSplash=nein\r\nFade=ja\r\n", GetParam());
    Find<QTimer>(*w, "Timer1")->stop();
    EXPECT_EQ(w->Alpha().Value(), 0);
    EXPECT_FALSE(w->isVisible());
    w->setVisible(true);  // asked again, e.g. by the splash screen: still waits
    EXPECT_FALSE(w->isVisible());
    w->Timer1Timer();
    EXPECT_EQ(w->Alpha().Value(), 5);
    EXPECT_TRUE(w->isVisible());
    for (int tick = 0; tick < 60; ++tick) w->Timer1Timer();
    EXPECT_EQ(w->Alpha().Value(), 255);
    // Fading out to 0 keeps the window: it closes at the end of the wait.
    for (int tick = 0; tick < 60; ++tick) w->Timer2Timer();
    EXPECT_EQ(w->Alpha().Value(), 0);
    EXPECT_TRUE(w->isVisible());
}

INSTANTIATE_TEST_SUITE_P(WithoutWindowOpacity, MainWindowWays, ::testing::Values(Mode::HoldBack, Mode::Contents));

// X11 shows a window's opacity only through a compositing manager; without
// one the window waits as on the platforms that have none.
TEST(AlphaWays, X11WithoutACompositingManagerHoldsTheWindowBack) {
    EXPECT_EQ(qx::AlphaBlend::ModeFor("xcb", true), Mode::Opacity);
    EXPECT_EQ(qx::AlphaBlend::ModeFor("xcb", false), Mode::HoldBack);
    EXPECT_EQ(qx::AlphaBlend::ModeFor("wayland", false), Mode::Contents);
}

TEST_F(MainWindowWays, ContentsFadeUnderAVeilThatLeavesAtFullLevel) {
    auto plain = Open("[Einstellungen]\r\nSplash=nein\r\nFade=nein\r\n", Mode::KeepOnly);
    auto w = Open("[Einstellungen]\r\nSplash=nein\r\nFade=ja\r\n", Mode::Contents);
    Find<QTimer>(*w, "Timer1")->stop();
    EXPECT_TRUE(w->testAttribute(Qt::WA_TranslucentBackground));
    w->Timer1Timer();
    QWidget* veil = Veil(*w);
    ASSERT_NE(veil, nullptr);
    EXPECT_TRUE(veil->isVisible());
    EXPECT_EQ(veil->geometry(), w->rect());
    EXPECT_TRUE(veil->testAttribute(Qt::WA_TransparentForMouseEvents));  // clicks reach the controls
    for (int tick = 0; tick < 60; ++tick) w->Timer1Timer();
    EXPECT_FALSE(veil->isVisible());
    // At full level the window looks as a window that never faded: the same
    // backgrounds, pictures and text. Only the edges of dark text on light
    // ground may be a shade heavier, as text is blended without gamma on a
    // surface with an alpha channel.
    const QImage faded = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage never = plain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(faded.size(), never.size());
    int worst = 0, differ = 0;
    for (int y = 0; y < faded.height(); ++y)
        for (int x = 0; x < faded.width(); ++x) {
            const QRgb a = faded.pixel(x, y), b = never.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            worst = std::max(worst, d);
            differ += d != 0;
        }
    EXPECT_LE(worst, 80);
    EXPECT_LT(differ, faded.width() * faded.height() / 50);
    w->Timer2Timer();
    EXPECT_TRUE(veil->isVisible());
}

// Every window of the run belongs to the main window, and none of the
// fixed-size windows offers to minimise or maximise.
class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary) << "[Einstellungen]\r\nSplash=nein\r\nFade=nein\r\n";
        CreateForms();
    }
    void TearDown() override { DestroyForms(); }
    qxtest::TempDir dir;
    qx::DialogScript script;
};

TEST_F(Windows, AllBelongToTheMainWindowAndOfferNoMinimiseOrMaximise) {
    const Qt::WindowFlags noBox = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_TRUE(Haupt->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(Haupt->windowFlags() & Qt::WindowTitleHint);
    EXPECT_FALSE(Haupt->windowFlags() & noBox);
    EXPECT_EQ(qx::MainWindow(), Haupt);
    int others = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == Haupt || !w->inherits("QDialog")) continue;
        SCOPED_TRACE(w->objectName().toStdString());
        ++others;
        EXPECT_EQ(w->parentWidget(), Haupt);
        EXPECT_TRUE(w->isWindow());
        EXPECT_FALSE(w->windowFlags() & noBox);
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
    }
    EXPECT_EQ(others, 11);
    // Shown, a window names the main window's native window as its own.
    Haupt->show();
    Haupt->Konfiguration1Click();
    ASSERT_NE(qxtest::Setup->windowHandle(), nullptr);
    EXPECT_EQ(qxtest::Setup->windowHandle()->transientParent(), Haupt->windowHandle());
}

// Layout in logical pixels is the same at every scale.
TEST_F(Windows, TheLayoutKeepsItsLogicalPixelsAtEveryScale) {
    THaupt& w = *Haupt;
    EXPECT_EQ(w.width(), 477);
    EXPECT_EQ(w.height(), w.menuBar()->sizeHint().height() + 235 + 20);
    EXPECT_EQ(Find<QPushButton>(w, "BombIt")->geometry(), QRect(152, 8, 162, 42));
    EXPECT_EQ(Find<QPushButton>(w, "BombIt")->iconSize(), QSize(32, 32));
    EXPECT_EQ(Find<QPushButton>(w, "RestartBut")->iconSize(), QSize(100, 25));
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 7)->geometry(), QRect(32, 40, 25, 25));
    EXPECT_EQ(Find<QLabel>(w, "Image28")->pixmap().deviceIndependentSize(), QSizeF(200, 200));
    EXPECT_EQ(Find<QLabel>(w, "Image26")->pixmap().deviceIndependentSize(), QSizeF(25, 25));
    EXPECT_EQ(w.SmileImage.deviceIndependentSize(), QSizeF(25, 25));
}

// Every picture exists at twice its size, and the windows take the one that
// fits the screen: at scale 1 the picture itself, unchanged.
TEST(Pictures, EveryPictureHasATwiceAsLargeVersionForScaledScreens) {
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/assets"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/appicon/")) || path.contains(QLatin1String("@2x"))) continue;
        if (!path.endsWith(QLatin1String(".png")) && !path.endsWith(QLatin1String(".jpg"))) continue;
        SCOPED_TRACE(path.toStdString());
        ++pictures;
        const bool jpeg = path.endsWith(QLatin1String(".jpg"));
        auto load = [jpeg](const QString& file) {
            if (!jpeg) return QImage(file);
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? qx::DecodeJpeg(f.readAll()) : QImage();
        };
        const QImage one = load(path);
        if (!jpeg) {  // our own decoding gives what Qt's reader gives; a cut file gives nothing
            EXPECT_EQ(qx::PngFile(path), one);
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            EXPECT_TRUE(qx::DecodePng(bytes.left(bytes.size() - 20)).isNull());
        }
        if (jpeg) {  // decoded into a pixmap's own words: every pixel opaque
            ASSERT_EQ(one.format(), QImage::Format_RGB32);
            for (int y = 0; y < one.height(); ++y) {
                const auto* row = reinterpret_cast<const quint32*>(one.constScanLine(y));
                ASSERT_TRUE(std::all_of(row, row + one.width(), [](quint32 w) { return w >> 24 == 0xffu; })) << y;
            }
        }
        const QString twicePath = qx::PictureAtTwice(path);
        ASSERT_TRUE(QFile::exists(twicePath));
        EXPECT_EQ(load(twicePath).size(), one.size() * 2);
        const QPixmap shown = jpeg ? qx::JpegResource(path) : qx::Picture(path);
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), one.size());
        if (qx::PictureRatio() == 1.0) {
            EXPECT_EQ(shown.toImage(), QPixmap::fromImage(one).toImage());
        }
    }
    EXPECT_GE(pictures, 30);
    EXPECT_EQ(qx::PictureAtTwice(":/assets/icons/web.png"), ":/assets/icons/web@2x.png");
}

}  // namespace
