#include "identity/product.h"
#include "support/doubles.h"
#include "support/presenter.h"
#include "ui/description/main_form.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/main/main_window.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void init();
    void cleanup() { m_window.reset(); }

    void opensAsDesigned();
    void composedTextIsFilteredToo();
    void menusAndShortcutsAreTheDescribedOnesAndReachTheirServices();
    void tabOrder();
    void accessKeys();
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
    QString rating() const { return field("txtPasserRating")->text(); }
    // Attempts, completions, yards, touchdowns, interceptions, typed as a user would.
    void enterLine(const QStringList& texts);
    void clickCalculate() { QTest::mouseClick(find(("btnCalculate")), Qt::LeftButton); }

    RecordingPresenter m_messages;
    std::unique_ptr<ui::MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_window = std::make_unique<ui::MainWindow>(m_messages, ui::MainWindowCommands{});
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

void MainWindowTest::menusAndShortcutsAreTheDescribedOnesAndReachTheirServices()
{
    RecordingHelp help;
    RecordingBrowser browser;
    int abouts = 0;
    ui::MainWindowCommands commands;
    commands.showAbout = [&abouts](QWidget* /*owner*/) { ++abouts; };
    commands.platform = {&help, &browser, "Help/help.chm"};
    m_window = std::make_unique<ui::MainWindow>(m_messages, std::move(commands));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    for (const description::Menu& menu : description::kMenus) {
        QCOMPARE(find<QMenu>(menu.name)->title(), QString::fromUtf8(menu.caption));
        for (std::size_t i = 0; i < menu.count; ++i) {
            QCOMPARE(find<QAction>(menu.items[i].name)->text(), QString::fromUtf8(menu.items[i].caption));
        }
    }
    // The shortcuts as a user presses them, where the focus stays; the other items as
    // chosen. The ways out end the program on the desktop.
    enterLine({"20", "14", "210", "2", "2"});
    QLineEdit* yards = field("txtYards");
    yards->setFocus();
    QTest::keyClick(yards, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(rating(), QStringLiteral("97.9"));
    QTest::keyClick(yards, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(rating().isEmpty() && yards->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), yards);
    QTest::keyClick(field("txtYards"), Qt::Key_F1);
    for (const char* name : {"mnuIndex", "mnuMorvalenite", "mnuAbout"}) {
        find<QAction>(name)->trigger();
    }
    QCOMPARE(help.calls, (std::vector<std::string>{"contents Help/help.chm Welcome.htm", "index Help/help.chm"}));
    QCOMPARE(browser.addresses, std::vector<std::string>{product::kHomePage});
    QCOMPARE(abouts, 1);
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

void MainWindowTest::accessKeys()
{
    // Select-all on an access key and the option's click are met by the desktop suite.
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_P, "txtAttempts"},   {Qt::Key_C, "txtCompletions"},   {Qt::Key_Y, "txtYards"},
        {Qt::Key_T, "txtTouchdowns"}, {Qt::Key_I, "txtInterceptions"}, {Qt::Key_N, "optNCAA"},
        {Qt::Key_L, "optNFL"}};
    for (const auto& [key, name] : keys) {
        QTest::keyClick(m_window.get(), key, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

void MainWindowTest::totalsAndRatingAsTheLocaleWritesThem()
{
    m_window.reset();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    init();
    QLocale::setDefault(QLocale::c());
    enterLine({"502", "343", "4.643", "45", "6"}); // "." groups thousands here
    clickCalculate();
    QCOMPARE(rating(), QStringLiteral("122,5"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
