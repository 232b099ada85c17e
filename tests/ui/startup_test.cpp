#include "support/doubles.h"
#include "support/presenter.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/main/main_window.h"
#include "ui/qt/startup/about_window.h"
#include "ui/qt/startup/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

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

// A splash window with a clock of its own; it records what it asks of the program.
struct Splash {
    explicit Splash(int year, int major = 1, int minor = 0) : clock(year)
    {
        const auto handOver = [this] {
            shownAtHandOver = window && window->isVisible();
            ++handOvers;
        };
        window = new qt::SplashWindow(clock, {handOver, [this] { ++ends; }}, major, minor);
        window->show();
    }
    Q_DISABLE_COPY_MOVE(Splash)
    ~Splash() { delete window.data(); } // one still open, or closed but not yet deleted

    FixedClock clock;
    QPointer<qt::SplashWindow> window;
    int handOvers = 0;
    int ends = 0;
    bool shownAtHandOver = false;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qt::installFontSubstitutes(); }

    void splashFillsItsLabelsWhenItLoadsAndTheirClicksDoNothing();
    void splashHandsOverOnceAfterTwoSeconds();

    void aboutIsModalOwnedByTheCalculatorAndMadeAnewWithTheYear();
};

void StartupTest::splashFillsItsLabelsWhenItLoadsAndTheirClicksDoNothing()
{
    const Splash splash(2031, 1, 10);
    QCOMPARE(splash.window->objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(labelText(splash.window, "lblVersion"), QStringLiteral("Version 1.10"));
    QCOMPARE(labelText(splash.window, "lblCopyright"), QStringLiteral("Copyright \u00A9 2005 - 2031 Morvalenite"));
    QCOMPARE(splash.window->findChild<QLabel*>("imgLogo")->pixmap().size(), QSize(200, 233));
    // Only a click on the frame ends the program (met by the desktop suite).
    for (const char* name : {"imgLogo", "lblCompanyProduct", "lblProductName", "lblVersion", "lblCopyright"}) {
        QTest::mouseClick(splash.window->findChild<QLabel*>(name), Qt::LeftButton);
    }
    QCOMPARE(splash.ends, 0);
    QVERIFY(splash.window->isVisible());
}

void StartupTest::splashHandsOverOnceAfterTwoSeconds()
{
    Splash splash(2026);
    const QPointer<QTimer> timer = splash.window->findChild<QTimer*>("Timer1");
    QTest::qWait(1900); // not before its two seconds
    QCOMPARE(splash.handOvers, 0);
    QTRY_COMPARE_WITH_TIMEOUT(splash.handOvers, 1, 10000);
    QVERIFY(splash.shownAtHandOver); // the calculator comes before the splash goes
    QCOMPARE(splash.ends, 0);
    destroyClosedWindows();
    QVERIFY(splash.window.isNull());
    QVERIFY(timer.isNull());
}

void StartupTest::aboutIsModalOwnedByTheCalculatorAndMadeAnewWithTheYear()
{
    FixedClock clock(2026);
    RecordingPresenter messages;
    qt::MainWindowCommands commands;
    commands.showAbout = [&clock](QWidget* owner) { qt::AboutWindow::showModal(clock, owner); };
    qt::MainWindow calculator(messages, std::move(commands));
    calculator.show();
    QVERIFY(QTest::qWaitForWindowActive(&calculator));

    QStringList notices;
    for (const int year : {2026, 2027}) {
        clock.year = year;
        const ModalDriver driver([&](QWidget* modal) {
            // Its title, and Enter and Esc closing it, are met by the desktop suite; that a
            // modal window blocks its owner's input is the toolkit's.
            QCOMPARE(modal->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(modal->parentWidget(), &calculator);
            QVERIFY(modal->isModal());
            QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            QCOMPARE(labelText(modal, "lblVersion"), QStringLiteral("Version 1.0"));
            notices << labelText(modal, "lblCopyright");
            modal->close();
        });
        calculator.findChild<QAction*>("mnuAbout")->trigger(); // returns once About has closed
        destroyClosedWindows();
    }
    QCOMPARE(notices,
             QStringList({"Copyright \u00A9 2005 - 2026 Morvalenite", "Copyright \u00A9 2005 - 2027 Morvalenite"}));
    QCOMPARE(calculator.findChildren<qt::AboutWindow*>().size(), 0);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
