// Many calculations, many openings, and hostile input, all through the windows: nothing
// is left behind, nothing crashes, and a message never touches the shown rating.

#include "ui/common/clock.h"
#include "ui/common/message_presenter.h"
#include "ui/main/main_window.h"
#include "ui/startup/about_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class CountingPresenter final : public ui::MessagePresenter {
  public:
    void showMessage(QWidget* /*owner*/, const QString& text) override
    {
        ++count;
        last = text;
    }
    int count = 0;
    QString last;
};

int objectCount(const QObject* root)
{
    return static_cast<int>(root->findChildren<QObject*>().size());
}

} // namespace

class LoadTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { m_window.reset(); }

    void tenThousandCalculationsLeaveNothingBehind();
    void fiveHundredAboutWindowsLeaveNothingBehind();
    void hostileTextInTheFields_data();
    void hostileTextInTheFields();
    void megabytePasteIsJudged();

  private:
    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(name); }
    void calculate() const { m_window->findChild<QPushButton*>("btnCalculate")->click(); }
    void setLine(const QStringList& line) const;

    CountingPresenter m_messages;
    ui::SystemClock m_clock;
    std::unique_ptr<ui::MainWindow> m_window;
};

void LoadTest::init()
{
    m_messages.count = 0;
    m_messages.last.clear();
    ui::MainWindowCommands commands;
    commands.showAbout = [this](QWidget* owner) { ui::AboutWindow::showModal(m_clock, owner); };
    m_window = std::make_unique<ui::MainWindow>(m_messages, std::move(commands));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void LoadTest::setLine(const QStringList& line) const
{
    const char* const names[] = {"txtAttempts", "txtCompletions", "txtYards", "txtTouchdowns",
                                 "txtInterceptions"};
    for (int i = 0; i < 5; ++i) {
        field(names[i])->setText(line[i]);
    }
}

void LoadTest::tenThousandCalculationsLeaveNothingBehind()
{
    const QList<QStringList> lines{
        {"502", "343", "4643", "45", "6"},
        {"0", "", "", "", ""},
        {"x", "1", "", "", ""},
        {"10", "x", "", "", ""},
        {"10", "11", "", "", ""},
        {"10", "5", "", "6", ""},
        {"10", "8", "", "", "3"},
        {"10", "1", "100", "", ""},
        {"10", "1", "-100", "", ""},
        {"10", "5", "-", "", ""},
        {"34", "21", "285", "1", "1"},
        {"10", "", "", "", ""},
    };
    setLine(lines[0]);
    calculate();
    const int objects = objectCount(m_window.get());
    const auto windows = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 10000; ++i) {
        setLine(lines[i % lines.size()]);
        calculate();
    }
    // Nine of every twelve lines are refused: 833 rounds and the first four lines again.
    QCOMPARE(m_messages.count, 833 * 9 + 3);
    QCOMPARE(objectCount(m_window.get()), objects);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void LoadTest::fiveHundredAboutWindowsLeaveNothingBehind()
{
    const int objects = objectCount(m_window.get());
    const auto windows = QApplication::topLevelWidgets().size();
    auto* about = m_window->findChild<QAction*>("mnuAbout");
    for (int i = 0; i < 500; ++i) {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        about->trigger(); // returns once the About window has closed
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(objectCount(m_window.get()), objects);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void LoadTest::hostileTextInTheFields_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    // Each text in one field, the fields taken in turn: the engine reads all five alike,
    // and its own tests and fuzzer cover the texts themselves.
    struct Row {
        const char* label;
        const char* field;
        QString text;
    };
    const Row rows[] = {
        {"control characters", "txtAttempts", QStringLiteral("1\x01\x02\x1b")},
        {"NUL", "txtCompletions", QString(QChar(0)) + QStringLiteral("12")},
        {"right-to-left marks", "txtYards", QStringLiteral("\u200F12\u200F")},
        {"Arabic-Indic digits", "txtTouchdowns", QStringLiteral("\u0663\u0664")},
        {"fullwidth digits", "txtInterceptions", QStringLiteral("\uFF11\uFF12")},
        {"exponent", "txtAttempts", QStringLiteral("1e400")},
        {"nan", "txtCompletions", QStringLiteral("nan")},
        {"minus inf", "txtYards", QStringLiteral("-inf")},
        {"hundreds of digits", "txtTouchdowns", QString(300, QLatin1Char('9'))},
        {"hundreds of zeros then 5", "txtInterceptions", QString(300, QLatin1Char('0')) + '5'},
        {"long fraction", "txtYards", QStringLiteral("4.") + QString(400, QLatin1Char('9'))},
        {"emoji", "txtAttempts", QStringLiteral("\U0001F3C8")},
        {"lone surrogate", "txtCompletions", QString(QChar(0xD800))},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.label) << QString::fromLatin1(row.field) << row.text;
    }
}

void LoadTest::hostileTextInTheFields()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    setLine({"502", "343", "4643", "45", "6"});
    calculate();
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("122.5"));

    field(qPrintable(fieldName))->setText(text);
    calculate();
    if (m_messages.count > 0) {
        QCOMPARE(m_messages.count, 1);
        QVERIFY(m_messages.last.endsWith(QLatin1Char('.')));
        QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("122.5"));
    } else {
        QVERIFY(!field("txtPasserRating")->text().isEmpty());
    }
    QCOMPARE(field(qPrintable(fieldName))->text(), text); // nothing of the input is lost
}

void LoadTest::megabytePasteIsJudged()
{
    setLine({"20", "14", "210", "2", "2"});
    calculate();
    const QString megabyte(1 << 20, QLatin1Char('7'));
    QApplication::clipboard()->setText(megabyte);
    QLineEdit* yards = field("txtYards");
    yards->setFocus(Qt::TabFocusReason);
    QTest::keyClick(yards, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(yards->text().size(), megabyte.size());
    calculate();
    QCOMPARE(m_messages.last, QStringLiteral("The Yards field contains an error."));
    QCOMPARE(field("txtPasserRating")->text(), QStringLiteral("97.9"));
}

QTEST_MAIN(LoadTest)
#include "load_test.moc"
