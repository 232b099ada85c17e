#include "fixed_clock.h"
#include "recording_presenter.h"
#include "ui/common/window_font.h"
#include "ui/main/main_window.h"
#include "ui/startup/about_window.h"
#include "ui/startup/notices.h"
#include "ui/startup/splash_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString labelText(const QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(name)->text();
}

// Runs `step` once a modal window is up and active, from a timer, so the test never
// blocks; a watchdog closes a modal window that is left open. Both stop with the object.
class ModalDriver : public QObject {
  public:
    explicit ModalDriver(std::function<void(QWidget* modal)> step)
    {
        QTimer::singleShot(0, this, [step = std::move(step)] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr &&
                        QApplication::activeModalWidget()->isActiveWindow());
            step(QApplication::activeModalWidget());
        });
        QTimer::singleShot(5000, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void versionText_data();
    void versionText();
    void copyrightNotice_data();
    void copyrightNotice();

    void splashLooksAsDesigned();
    void splashNoticeFollowsTheClock();
    void splashTimerIsPreciseSingleShot();
    void splashHandsOverInOrder();
    void splashLabelAndLogoClicksDoNothing();

    void aboutLooksAsDesigned();
    void aboutIsModalAndOwnedByTheCalculator();
    void aboutCloses_data();
    void aboutCloses();
    void aboutIsCreatedAnewWithTheNewYear();

  private:
    struct Splash {
        Splash() = default;
        Splash(const Splash&) = delete;
        Splash& operator=(const Splash&) = delete;
        Splash(Splash&&) = delete;
        Splash& operator=(Splash&&) = delete;
        ~Splash() { delete window.data(); } // one still open, or closed but not yet deleted

        std::unique_ptr<FixedClock> clock;
        QPointer<ui::SplashWindow> window;
        int handOvers = 0;
        int ends = 0;
    };
    std::unique_ptr<Splash> openSplash(QDate today = QDate(2026, 12, 7));
};

void StartupTest::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.0") << 1 << 0 << "Version 1.0";
    QTest::newRow("minor written in full") << 1 << 10 << "Version 1.10";
    QTest::newRow("two digit major") << 12 << 3 << "Version 12.3";
}

void StartupTest::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, expected);
    QCOMPARE(ui::versionText(major, minor), expected);
}

void StartupTest::copyrightNotice_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2005 keeps its single year") << 2005 << "Copyright \u00A9 2005 Morvalenite";
    QTest::newRow("later year gives a range") << 2026 << "Copyright \u00A9 2005 - 2026 Morvalenite";
    QTest::newRow("earlier year too") << 2004 << "Copyright \u00A9 2005 - 2004 Morvalenite";
}

void StartupTest::copyrightNotice()
{
    QFETCH(int, year);
    QFETCH(QString, expected);
    QCOMPARE(ui::copyrightNotice(year), expected);
}

std::unique_ptr<StartupTest::Splash> StartupTest::openSplash(QDate today)
{
    auto splash = std::make_unique<Splash>();
    splash->clock = std::make_unique<FixedClock>(today);
    ui::SplashCommands commands;
    Splash* raw = splash.get();
    commands.handOver = [raw] { ++raw->handOvers; };
    commands.endProgram = [raw] { ++raw->ends; };
    splash->window = new ui::SplashWindow(*splash->clock, std::move(commands), 1, 0);
    splash->window->show();
    [&] { QVERIFY(QTest::qWaitForWindowActive(splash->window.data())); }();
    return splash;
}

void StartupTest::splashLooksAsDesigned()
{
    const auto splash = openSplash();
    ui::SplashWindow* window = splash->window;
    QCOMPARE(window->objectName(), QStringLiteral("frmSplash"));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window->windowType(), Qt::SplashScreen); // no taskbar entry
    QCOMPARE(window->size(), QSize(7380 / 15, 4620 / 15));
    QCOMPARE(window->findChild<QGroupBox*>("Frame1")->geometry(),
             QRect(150 / 15, 60 / 15, 7065 / 15, 4395 / 15));
    QCOMPARE(window->findChild<QLabel*>("imgLogo")->pixmap().size(), QSize(200, 233));
    QCOMPARE(labelText(window, "lblCompanyProduct"), QStringLiteral("Morvalenite"));
    QCOMPARE(labelText(window, "lblProductName"), QStringLiteral("Passer Rating Calculator"));
    QCOMPARE(labelText(window, "lblVersion"), QStringLiteral("Version 1.0"));
    const QLabel* product = window->findChild<QLabel*>("lblProductName");
    QCOMPARE(product->font().pointSizeF(), 27.75);
    QVERIFY(product->wordWrap());
    QCOMPARE(QFontInfo(product->font()).weight(), int(QFont::Bold));
    QCOMPARE(product->geometry(), QRect(3360 / 15, 600 / 15, 3435 / 15, 2250 / 15));
    QVERIFY(!window->findChild<QGroupBox*>("Frame1")->geometry().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window);
}

void StartupTest::splashNoticeFollowsTheClock()
{
    QCOMPARE(labelText(openSplash(QDate(2005, 6, 1))->window, "lblCopyright"),
             QStringLiteral("Copyright \u00A9 2005 Morvalenite"));
    QCOMPARE(labelText(openSplash(QDate(2031, 1, 1))->window, "lblCopyright"),
             QStringLiteral("Copyright \u00A9 2005 - 2031 Morvalenite"));
    QCOMPARE(labelText(openSplash(QDate(1999, 1, 1))->window, "lblCopyright"),
             QStringLiteral("Copyright \u00A9 2005 - 1999 Morvalenite"));
    destroyClosedWindows();
}

void StartupTest::splashTimerIsPreciseSingleShot()
{
    const auto splash = openSplash();
    const QTimer* timer = splash->window->findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 2000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    // Counting started when the window was created.
    QVERIFY(timer->remainingTime() > 0 && timer->remainingTime() <= 2000);
    splash->window->close();
}

void StartupTest::splashHandsOverInOrder()
{
    const FixedClock clock(QDate(2026, 12, 7));
    int handOvers = 0;
    int ends = 0;
    bool splashShownAtHandOver = false;
    QPointer<ui::SplashWindow> window;
    // The calculator is created and shown while the splash window is still up.
    window = new ui::SplashWindow(clock,
                                  {[&] {
                                       splashShownAtHandOver = window && window->isVisible();
                                       ++handOvers;
                                   },
                                   [&] { ++ends; }},
                                  1, 0);
    window->show();
    QPointer<QTimer> timer = window->findChild<QTimer*>("Timer1");

    window->Timer1_Timer(); // what the timer does when it fires
    QCOMPARE(handOvers, 1);
    QVERIFY(splashShownAtHandOver);
    QVERIFY(!timer->isActive());
    QCOMPARE(ends, 0);
    destroyClosedWindows();
    QVERIFY(window.isNull());
    QVERIFY(timer.isNull());
}





void StartupTest::splashLabelAndLogoClicksDoNothing()
{
    const auto splash = openSplash();
    for (const char* name :
         {"imgLogo", "lblCompanyProduct", "lblProductName", "lblVersion", "lblCopyright"}) {
        QTest::mouseClick(splash->window->findChild<QLabel*>(name), Qt::LeftButton);
    }
    QCOMPARE(splash->ends, 0);
    QVERIFY(splash->window->isVisible());
    splash->window->close();
}

void StartupTest::aboutLooksAsDesigned()
{
    const FixedClock clock(QDate(2026, 12, 7));
    QWidget owner;
    auto* about = new ui::AboutWindow(clock, &owner);
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Morvalenite Passer Rating Calculator"));
    QCOMPARE(about->size(), QSize(7200 / 15, 4875 / 15));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const auto* ok = about->findChild<QPushButton*>("cmdOK");
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->geometry(), QRect(5565 / 15, 4080 / 15, 1260 / 15, 585 / 15));
    QCOMPARE(labelText(about, "lblTitle"), QStringLiteral("Morvalenite"));
    QCOMPARE(labelText(about, "Label1"), QStringLiteral("Passer Rating Calculator"));
    QCOMPARE(labelText(about, "lblCopyright"),
             QStringLiteral("Copyright \u00A9 2005 - 2026 Morvalenite"));
    QCOMPARE(about->findChild<QLabel*>("Image1")->pixmap().size(), QSize(200, 233));
    QCOMPARE(about->findChildren<QWidget*>("Line1").size(), 2);
    delete about;
}

void StartupTest::aboutIsModalAndOwnedByTheCalculator()
{
    const FixedClock clock(QDate(2026, 12, 7));
    RecordingPresenter messages;
    ui::MainWindowCommands commands;
    commands.showAbout = [&clock](QWidget* owner) { ui::AboutWindow::showModal(clock, owner); };
    ui::MainWindow calculator(messages, std::move(commands));
    calculator.show();
    QVERIFY(QTest::qWaitForWindowActive(&calculator));
    auto* attempts = calculator.findChild<QWidget*>("txtAttempts");

    bool checked = false;
    const ModalDriver driver([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(modal->parentWidget(), &calculator);
        QVERIFY(modal->isModal());
        QCOMPARE(labelText(modal, "lblVersion"), QStringLiteral("Version 1.0"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        // The calculator takes no input meanwhile. The events go through its window, as
        // the user's would, so the modal block applies.
        const QWidget* calculate = calculator.findChild<QWidget*>("btnCalculate");
        QTest::mouseClick(calculator.windowHandle(), Qt::LeftButton, {},
                          calculate->mapTo(&calculator, calculate->rect().center()));
        QTest::keyClick(calculator.windowHandle(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(!attempts->hasFocus());
        checked = true;
        modal->close();
    });
    calculator.findChild<QAction*>("mnuAbout")->trigger(); // returns once About has closed
    QVERIFY(checked);
}

void StartupTest::aboutCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "click";
    QTest::newRow("close box") << "close";
}

void StartupTest::aboutCloses()
{
    QFETCH(QString, how);
    const FixedClock clock(QDate(2026, 12, 7));
    QWidget owner;
    owner.show();
    QPointer<QWidget> opened;
    const ModalDriver driver([&](QWidget* modal) {
        opened = modal;
        if (how == "click") {
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        } else {
            modal->close();
        }
    });
    ui::AboutWindow::showModal(clock, &owner);
    destroyClosedWindows();
    QVERIFY(opened.isNull()); // destroyed, not merely hidden
}

void StartupTest::aboutIsCreatedAnewWithTheNewYear()
{
    FixedClock clock(QDate(2026, 12, 31));
    QWidget owner;
    owner.show();
    QStringList notices;
    const auto openAndRead = [&] {
        const ModalDriver driver([&](QWidget* modal) {
            notices << labelText(modal, "lblCopyright");
            modal->close();
        });
        ui::AboutWindow::showModal(clock, &owner);
        destroyClosedWindows();
    };
    openAndRead();
    clock.date = QDate(2027, 1, 1);
    openAndRead();
    QCOMPARE(notices, QStringList({"Copyright \u00A9 2005 - 2026 Morvalenite",
                                   "Copyright \u00A9 2005 - 2027 Morvalenite"}));
    QCOMPARE(owner.findChildren<ui::AboutWindow*>().size(), 0);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
