#include "identity/product.h"
#include "support/doubles.h"
#include "support/presenter.h"
#include "ui/description/main_form.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/main/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qt::installFontSubstitutes(); }
    void init();
    void cleanup() { m_window.reset(); }

    void opensAsDesigned();
    void composedTextIsFilteredToo();
    void menusAreTheDescribedOnesAndResetAndWebReachTheirServices();
    void tabOrder();
    void totalsAndRatingAsTheLocaleWritesThem_data();
    void totalsAndRatingAsTheLocaleWritesThem();

  private:
    template <typename T = QWidget> T* find(const char* name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    // Attempts, completions, yards, touchdowns, interceptions, typed as a user would.
    void enterLine(const QStringList& texts);

    RecordingPresenter m_messages;
    std::unique_ptr<qt::MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_messages.messages.clear();
    m_window = std::make_unique<qt::MainWindow>(m_messages, qt::MainWindowCommands{});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::enterLine(const QStringList& texts)
{
    const char* const order[] = {"txtAttempts", "txtCompletions", "txtYards", "txtTouchdowns", "txtInterceptions"};
    for (int i = 0; i < texts.size(); ++i) {
        QLineEdit* entry = field(order[i]);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_Backspace); // the focus selected the whole text
        QTest::keyClicks(entry, texts[i]);
    }
}

void MainWindowTest::opensAsDesigned()
{
    // The title, the first field's focus, NFL and Calculate as the default are what the
    // desktop suite meets first.
    QCOMPARE(m_window->objectName(), QStringLiteral("frmPasserRating"));
    QCOMPARE(m_window->font().pointSizeF(), 8.25);
    const QPalette palette = field("txtPasserRating")->palette();
    QCOMPARE(palette.color(QPalette::Base), palette.color(QPalette::Button));
}

void MainWindowTest::composedTextIsFilteredToo()
{
    // Text from an input method is typed text: all of it passes the filter, or none.
    QLineEdit* attempts = field("txtAttempts");
    attempts->setFocus();
    for (const QString& composed : {QStringLiteral("12"), QStringLiteral("3x"), QStringLiteral("\uFF14")}) {
        QInputMethodEvent event;
        event.setCommitString(composed);
        QCoreApplication::sendEvent(attempts, &event);
    }
    QCOMPARE(attempts->text(), QStringLiteral("12"));
}

void MainWindowTest::menusAreTheDescribedOnesAndResetAndWebReachTheirServices()
{
    RecordingBrowser browser;
    qt::MainWindowCommands commands;
    commands.platform = {.help = nullptr, .browser = &browser, .helpFile = {}};
    m_window = std::make_unique<qt::MainWindow>(m_messages, std::move(commands));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    for (const description::Menu& menu : description::kMenus) {
        QCOMPARE(find<QMenu>(menu.name)->title(), QString::fromUtf8(menu.caption));
        for (std::size_t i = 0; i < menu.count; ++i) {
            QCOMPARE(find<QAction>(menu.items[i].name)->text(), QString::fromUtf8(menu.items[i].caption));
        }
    }
    // Reset by its shortcut where the focus stays; the other shortcuts and items are met by
    // the desktop suite, but for the web's.
    enterLine({"20", "14", "210", "2", "2"});
    QLineEdit* yards = field("txtYards");
    yards->setFocus();
    QTest::keyClick(yards, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(yards->text().isEmpty() && field("txtAttempts")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), yards);
    find<QAction>("mnuMorvalenite")->trigger();
    QCOMPARE(browser.addresses, std::vector<std::string>{product::kHomePage});
}

void MainWindowTest::tabOrder()
{
    const QStringList expected{"txtAttempts",     "txtYards", "txtTouchdowns", "txtInterceptions", "btnCalculate",
                               "txtPasserRating", "btnReset", "btnExit",       "optNFL",           "txtCompletions"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // The option group is one stop: the selected button.
    QTest::mouseClick(find("optNCAA"), Qt::LeftButton);
    find("btnExit")->setFocus();
    QTest::keyClick(find("btnExit"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optNCAA"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtCompletions"));
}

void MainWindowTest::totalsAndRatingAsTheLocaleWritesThem_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("yards"); // typed; one with a space, which no key gives, pasted
    QTest::addColumn<QString>("shown"); // the rating, or the message
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString message = QStringLiteral("The Yards field contains an error.");
    const QString rating = QStringLiteral("122,5");
    QTest::newRow("German groups with a point") << german << "4.643" << rating;
    QTest::newRow("French: a point before three digits could be either") << french << "4.643" << message;
    QTest::newRow("French groups with a narrow no-break space") << french << "4\u202F643" << rating;
    QTest::newRow("French groups with a plain space too") << french << "4 643" << rating;
    QTest::newRow("Russian: a point before three digits could be either") << russian << "4.643" << message;
    QTest::newRow("Russian groups with a plain space too") << russian << "4 643" << rating;
}

void MainWindowTest::totalsAndRatingAsTheLocaleWritesThem()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, yards);
    QFETCH(QString, shown);
    m_window.reset();
    QLocale::setDefault(locale);
    init();
    QLocale::setDefault(QLocale::c());
    const bool pasted = yards.contains(' ') || yards.contains(QChar(0x202F));
    enterLine({"502", "343", pasted ? QString() : yards, "45", "6"});
    if (pasted) {
        QGuiApplication::clipboard()->setText(yards);
        field("txtYards")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field("txtYards"), Qt::Key_Insert, Qt::ShiftModifier);
    }
    QTest::mouseClick(find("btnCalculate"), Qt::LeftButton);
    QCOMPARE(m_messages.messages.isEmpty() ? field("txtPasserRating")->text() : m_messages.messages.last(), shown);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
