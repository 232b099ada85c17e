#include "doubles.h"
#include "ui/common/window_font.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

const char* const kEntryFields[] = {"txtCompletions", "txtAttempts", "txtYards", "txtTouchdowns", "txtInterceptions"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void init();
    void cleanup();

    void opensAsDesigned();
    void maximisingMovesNothing();
    void workedExamples_data();
    void workedExamples();
    void messageLeavesPreviousRating_data();
    void messageLeavesPreviousRating();
    void emptyFieldsBecomeZero();
    void emptyAttemptsStopsReading();
    void typedCharactersAreFiltered_data();
    void typedCharactersAreFiltered();
    void clipboardKeysDoNothing();
    void composedTextIsFilteredToo();
    void hostileTextLosesNothing_data();
    void hostileTextLosesNothing();
    void thousandsOfCalculationsLeaveNothingBehind();
    void pastedTextIsJudgedByTheEngine();
    void enterPressesFocusedButton();
    void shortcutsLeaveFocusWhereItWas();
    void menuCommandsMatchButtons();
    void tabOrder();
    void accessKeys();
    void resetKeepsFormula();
    void changingFormulaKeepsRating();
    void resultFieldIsReadOnly();
    void everyExitPathEndsTheProgram();
    void ratingUsesLocaleSeparator();

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
    void enterLine(const QString& attempts, const QString& completions, const QString& yards, const QString& touchdowns,
                   const QString& interceptions);
    void clickCalculate() { QTest::mouseClick(find(("btnCalculate")), Qt::LeftButton); }

    RecordingPresenter m_messages;
    int m_exits = 0;
    std::unique_ptr<ui::MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_messages.messages.clear();
    m_exits = 0;
    ui::MainWindowCommands commands;
    commands.exitProgram = [this] { ++m_exits; };
    m_window = std::make_unique<ui::MainWindow>(m_messages, std::move(commands));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
}

void MainWindowTest::enterLine(const QString& attempts, const QString& completions, const QString& yards,
                               const QString& touchdowns, const QString& interceptions)
{
    const std::pair<const char*, QString> texts[] = {{"txtAttempts", attempts},
                                                     {"txtCompletions", completions},
                                                     {"txtYards", yards},
                                                     {"txtTouchdowns", touchdowns},
                                                     {"txtInterceptions", interceptions}};
    for (const auto& [name, text] : texts) {
        QLineEdit* entry = field(name);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_Backspace); // the focus selected the whole text
        QTest::keyClicks(entry, text);
    }
}

void MainWindowTest::opensAsDesigned()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmPasserRating"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvalenite Passer Rating Calculator"));
    QCOMPARE(QApplication::focusWidget(), field("txtCompletions"));
    QVERIFY(find<QRadioButton>("optNFL")->isChecked());
    for (const char* name : kEntryFields) {
        QVERIFY(field(name)->text().isEmpty());
    }
    QCOMPARE(find<QLabel>("lblAttempts")->text(), QStringLiteral("&Pass Attempts:"));
    QCOMPARE(find<QPushButton>("btnCalculate")->text(), QStringLiteral("Calculate"));
    QVERIFY(find<QPushButton>("btnCalculate")->isDefault());
    QCOMPARE(m_window->font().pointSizeF(), 8.25);
    QCOMPARE(m_window->findChild<QMenu*>("mnuAction")->title(), QStringLiteral("&Action"));
    QCOMPARE(m_window->findChild<QAction*>("mnuCalculate")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(m_window->findChild<QAction*>("mnuExit")->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(m_window->findChild<QAction*>("mnuContents")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(m_window->findChild<QAction*>("mnuMorvalenite")->text(),
             QStringLiteral("Morvalenite Software on the &Web..."));
    const QPalette palette = field("txtPasserRating")->palette();
    QCOMPARE(palette.color(QPalette::Base), palette.color(QPalette::Button));
}

void MainWindowTest::maximisingMovesNothing()
{
    const QRect before = field("txtPasserRating")->geometry();
    m_window->showMaximized();
    QTest::qWait(20);
    QCOMPARE(field("txtPasserRating")->geometry(), before);
}

void MainWindowTest::workedExamples_data()
{
    QTest::addColumn<QStringList>("line"); // attempts, completions, yards, touchdowns, ints
    QTest::addColumn<QString>("professional");
    QTest::addColumn<QString>("college");
    QTest::newRow("perfect") << QStringList{"20", "20", "400", "5", "0"} << "158.3"
                             << "350.5";
    QTest::newRow("whole number") << QStringList{"34", "21", "285", "1", "1"} << "86"
                                  << "136";
    QTest::newRow("fifteen digits") << QStringList{"28", "16", "210", "2", "2"} << "75"
                                    << "129.428571428571";
    QTest::newRow("negative yards") << QStringList{"2", "1", "-99", "0", "1"} << "16.7"
                                    << "-465.8";
    QTest::newRow("full season") << QStringList{"502", "343", "4643", "45", "6"} << "122.5"
                                 << "173.209561752988";
}

void MainWindowTest::workedExamples()
{
    QFETCH(QStringList, line);
    QFETCH(QString, professional);
    QFETCH(QString, college);
    enterLine(line[0], line[1], line[2], line[3], line[4]);
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), professional);
    QTest::mouseClick(find("optNCAA"), Qt::LeftButton);
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), college);
    QVERIFY(m_messages.messages.isEmpty());
}

void MainWindowTest::messageLeavesPreviousRating_data()
{
    QTest::addColumn<QStringList>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero attempts") << QStringList{"0", "", "", "", ""} << "Passes Attempted cannot be 0.";
    QTest::newRow("attempts too large") << QStringList{"40000", "1", "", "", ""}
                                        << "The Pass Attempts field contains an error.";
    QTest::newRow("completions too large")
        << QStringList{"10", "99999", "", "", ""} << "The Pass Completions field contains an error.";
    QTest::newRow("completions") << QStringList{"10", "11", "", "", ""} << "Completions cannot exceed Attempts.";
    QTest::newRow("touchdowns") << QStringList{"10", "5", "", "6", ""} << "Touchdowns cannot exceed Completions.";
    QTest::newRow("interceptions") << QStringList{"10", "8", "", "", "3"}
                                   << "Completions + Interceptions cannot exceed Attempts.";
    QTest::newRow("yards above") << QStringList{"10", "1", "100", "", ""}
                                 << "Yards cannot exceed Completions times 99.";
    QTest::newRow("yards below") << QStringList{"10", "1", "-100", "", ""}
                                 << "Yards cannot be less than Completions times -99.";
    QTest::newRow("lone minus") << QStringList{"10", "1", "-", "", ""} << "The Yards field contains an error.";
    QTest::newRow("two points") << QStringList{"10", "1", "1.2.3", "", ""} << "The Yards field contains an error.";
}

void MainWindowTest::messageLeavesPreviousRating()
{
    QFETCH(QStringList, line);
    QFETCH(QString, message);
    enterLine("34", "21", "285", "1", "1");
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("86"));

    enterLine(line[0], line[1], line[2], line[3], line[4]);
    clickCalculate();
    QCOMPARE(m_messages.messages, QStringList{message});
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("86"));
}

void MainWindowTest::emptyFieldsBecomeZero()
{
    enterLine("10", "", "", "", "");
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("39.6"));
    for (const char* name : {"txtCompletions", "txtYards", "txtTouchdowns", "txtInterceptions"}) {
        QCOMPARE(field(name)->text(), QStringLiteral("0"));
    }
}

void MainWindowTest::emptyAttemptsStopsReading()
{
    clickCalculate();
    QCOMPARE(m_messages.messages, QStringList{"Passes Attempted cannot be 0."});
    QCOMPARE(field("txtAttempts")->text(), QStringLiteral("0"));
    QVERIFY(field("txtCompletions")->text().isEmpty());
    QVERIFY(field("txtPasserRating")->text().isEmpty());
}

void MainWindowTest::typedCharactersAreFiltered_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters dropped") << "txtAttempts"
                                     << "1a2b3"
                                     << "123";
    QTest::newRow("minus in a count") << "txtAttempts"
                                      << "-7"
                                      << "7";
    QTest::newRow("minus in yards") << "txtYards"
                                    << "-7"
                                    << "-7";
    QTest::newRow("point in a count") << "txtTouchdowns"
                                      << "3.5"
                                      << "35";
    QTest::newRow("point in yards") << "txtYards"
                                    << "3.5"
                                    << "3.5";
    QTest::newRow("anything of - and . in yards") << "txtYards"
                                                  << "1.2.3--"
                                                  << "1.2.3--";
    QTest::newRow("space plus comma") << "txtYards"
                                      << "1 +,2"
                                      << "12";
    QTest::newRow("leading zeros, no limit") << "txtInterceptions"
                                             << "000123456789012"
                                             << "000123456789012";
}

void MainWindowTest::typedCharactersAreFiltered()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QLineEdit* entry = field(qPrintable(fieldName));
    entry->setFocus();
    QTest::keyClicks(entry, typed);
    QCOMPARE(entry->text(), expected);
    QTest::keyClick(entry, Qt::Key_Backspace);
    QCOMPARE(entry->text(), expected.chopped(1));
}

void MainWindowTest::clipboardKeysDoNothing()
{
    QApplication::clipboard()->setText(QStringLiteral("999"));
    for (const char* name : kEntryFields) {
        QLineEdit* entry = field(name);
        entry->setFocus();
        QTest::keyClicks(entry, "12");
        for (const Qt::Key key : {Qt::Key_V, Qt::Key_A, Qt::Key_X, Qt::Key_Z, Qt::Key_C}) {
            QTest::keyClick(entry, key, Qt::ControlModifier);
        }
        QCOMPARE(entry->text(), QStringLiteral("12"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));
    }
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

void MainWindowTest::hostileTextLosesNothing_data()
{
    // Each text in one field, the fields taken in turn: the engine reads all five alike,
    // and its own tables and fuzzer cover the texts themselves.
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::newRow("control characters") << "txtAttempts" << QStringLiteral("1\x01\x02\x1b");
    QTest::newRow("NUL") << "txtCompletions" << QString(QChar(0)) + QStringLiteral("12");
    QTest::newRow("right-to-left marks") << "txtYards" << QStringLiteral("\u200F12\u200F");
    QTest::newRow("Arabic-Indic digits") << "txtTouchdowns" << QStringLiteral("\u0663\u0664");
    QTest::newRow("fullwidth digits") << "txtInterceptions" << QStringLiteral("\uFF11\uFF12");
    QTest::newRow("nan") << "txtCompletions" << QStringLiteral("nan");
    QTest::newRow("minus inf") << "txtYards" << QStringLiteral("-inf");
    QTest::newRow("long fraction") << "txtYards" << QStringLiteral("4.") + QString(400, QLatin1Char('9'));
    QTest::newRow("emoji") << "txtAttempts" << QStringLiteral("\U0001F3C8");
    QTest::newRow("lone surrogate") << "txtInterceptions" << QString(QChar(0xD800));
    QTest::newRow("a megabyte of digits") << "txtTouchdowns" << QString(1 << 20, QLatin1Char('7'));
}

void MainWindowTest::hostileTextLosesNothing()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    enterLine("502", "343", "4643", "45", "6");
    clickCalculate();
    field(qPrintable(fieldName))->setText(text);
    clickCalculate();
    if (m_messages.messages.isEmpty()) {
        QVERIFY(!field("txtPasserRating")->text().isEmpty());
    } else {
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("122.5"));
    }
    QCOMPARE(field(qPrintable(fieldName))->text(), text); // nothing of the input is lost
}

void MainWindowTest::thousandsOfCalculationsLeaveNothingBehind()
{
    enterLine("34", "21", "285", "1", "1");
    clickCalculate();
    const auto objects = m_window->findChildren<QObject*>().size();
    const auto windows = QApplication::topLevelWidgets().size();
    const QStringList attempts{"34", "0", "x", "10", "20"};
    for (int i = 0; i < 5000; ++i) {
        field("txtAttempts")->setText(attempts[i % attempts.size()]);
        clickCalculate();
    }
    QCOMPARE(m_window->findChildren<QObject*>().size(), objects);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void MainWindowTest::pastedTextIsJudgedByTheEngine()
{
    enterLine("10", "5", "50", "", "");
    clickCalculate();
    const QString before = field("txtPasserRating")->text();
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QLineEdit* touchdowns = field("txtTouchdowns");
    touchdowns->setFocus(Qt::TabFocusReason);
    QTest::keyClick(touchdowns, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(touchdowns->text(), QStringLiteral("abc"));
    clickCalculate();
    QCOMPARE(m_messages.messages, QStringList{"The Yards field contains an error."});
    QCOMPARE(field("txtPasserRating")->text(), before);
}

void MainWindowTest::enterPressesFocusedButton()
{
    enterLine("20", "14", "210", "2", "2");
    QWidget* reset = find("btnReset");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QVERIFY(field("txtAttempts")->text().isEmpty());
    QVERIFY(field("txtPasserRating")->text().isEmpty());
    QVERIFY(m_messages.messages.isEmpty()); // Calculate did not run on the empty fields

    QWidget* exit = find("btnExit");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Enter);
    QCOMPARE(m_exits, 1);
}

void MainWindowTest::shortcutsLeaveFocusWhereItWas()
{
    enterLine("20", "14", "210", "2", "2");
    QLineEdit* yards = field("txtYards");
    yards->setFocus();
    QTest::keyClick(yards, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("97.9"));
    QCOMPARE(QApplication::focusWidget(), yards);
    QTest::keyClick(yards, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(field("txtPasserRating")->text().isEmpty());
    QVERIFY(yards->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), yards);
}

void MainWindowTest::menuCommandsMatchButtons()
{
    enterLine("10", "11", "", "", "");
    m_window->findChild<QAction*>("mnuCalculate")->trigger();
    clickCalculate();
    QCOMPARE(m_messages.messages,
             QStringList({"Completions cannot exceed Attempts.", "Completions cannot exceed Attempts."}));
    m_window->findChild<QAction*>("mnuReset")->trigger();
    QVERIFY(field("txtCompletions")->text().isEmpty());
    // Help commands have nothing to do yet and show nothing.
    for (const char* name : {"mnuContents", "mnuIndex", "mnuMorvalenite", "mnuAbout"}) {
        m_window->findChild<QAction*>(name)->trigger();
    }
    QCOMPARE(m_messages.messages.size(), 2);
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
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optNCAA"));
}

void MainWindowTest::accessKeys()
{
    field("txtAttempts")->setText(QStringLiteral("502"));
    QTest::keyClick(m_window.get(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), field("txtAttempts"));
    QCOMPARE(field("txtAttempts")->selectedText(), QStringLiteral("502"));
    const std::pair<Qt::Key, const char*> labels[] = {{Qt::Key_C, "txtCompletions"},
                                                      {Qt::Key_Y, "txtYards"},
                                                      {Qt::Key_T, "txtTouchdowns"},
                                                      {Qt::Key_I, "txtInterceptions"}};
    for (const auto& [key, name] : labels) {
        QTest::keyClick(m_window.get(), key, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), field(name));
    }
    // An option's access key clicks it with the short animation of a pressed button.
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(find<QRadioButton>("optNCAA")->isChecked());
    QTest::keyClick(m_window.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(find<QRadioButton>("optNFL")->isChecked());
}

void MainWindowTest::resetKeepsFormula()
{
    QTest::mouseClick(find("optNCAA"), Qt::LeftButton);
    enterLine("20", "14", "210", "2", "2");
    clickCalculate();
    QTest::mouseClick(find("btnReset"), Qt::LeftButton);
    QVERIFY(find<QRadioButton>("optNCAA")->isChecked());
    for (const char* name : kEntryFields) {
        QVERIFY(field(name)->text().isEmpty());
    }
    QVERIFY(field("txtPasserRating")->text().isEmpty());
}

void MainWindowTest::changingFormulaKeepsRating()
{
    enterLine("20", "14", "210", "2", "2");
    clickCalculate();
    QTest::mouseClick(find("optNCAA"), Qt::LeftButton);
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("97.9"));
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("171.2"));
}

void MainWindowTest::resultFieldIsReadOnly()
{
    enterLine("20", "14", "210", "2", "2");
    clickCalculate();
    QLineEdit* rating = field("txtPasserRating");
    rating->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(rating, "123");
    QTest::keyClick(rating, Qt::Key_Backspace);
    QCOMPARE(rating->text(), QStringLiteral("97.9"));
    rating->selectAll();
    QCOMPARE(rating->selectedText(), QStringLiteral("97.9"));
}

void MainWindowTest::everyExitPathEndsTheProgram()
{
    enterLine("20", "14", "210", "2", "2");
    QTest::mouseClick(find("btnExit"), Qt::LeftButton);
    QCOMPARE(m_exits, 1);
    QTest::keyClick(field("txtYards"), Qt::Key_F3);
    QCOMPARE(m_exits, 2);
    m_window->findChild<QAction*>("mnuExit")->trigger();
    QCOMPARE(m_exits, 3);
    m_window->close(); // the close box and Alt+F4
    QCOMPARE(m_exits, 4);
    QVERIFY(m_messages.messages.isEmpty());
}

void MainWindowTest::ratingUsesLocaleSeparator()
{
    m_window.reset();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    init();
    QLocale::setDefault(QLocale::c());
    enterLine("20", "14", "210", "2", "2");
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("97,9"));
    enterLine("20", "20", "400", "5", "0");
    clickCalculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("158,3"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
