#include "doubles.h"
#include "identity/product.h"
#include "platform/helpviewer/chm_archive.h"
#include "platform/helpviewer/help_command.h"
#include "platform/helpviewer/help_viewer.h"
#include "platform/helpviewer/sitemap.h"
#include "platform/helpviewer/topic_link.h"
#include "platform/html_help.h"
#include "platform/shell.h"
#include "platform/shell_unix.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <sys/stat.h>

#include <variant>

namespace {

const QString kHelpFile = QStringLiteral(PR_TEST_HELP_FILE);

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void viewerFindsAKeywordAsItIsTyped();
    void viewerFollowsLinksAndShowsPictures();
    void viewerReportsProblemsItself_data();
    void viewerReportsProblemsItself();
    void archiveRefusesOversizedObjects();
    void linksStayInsideTheFile_data();
    void linksStayInsideTheFile();
    void commandsTravelWholeOrNotAtAll_data();
    void commandsTravelWholeOrNotAtAll();

    void sitemapNestsLists();

    void shellTellsUserWhenNothingOpensTheAddress_data();
    void shellTellsUserWhenNothingOpensTheAddress();
};

void HelpTest::viewerFindsAKeywordAsItIsTyped()
{
    // The index's order and the marked topic are proven on a real desktop; typing is here.
    RecordingShell shell;
    help::HelpViewer viewer(shell);
    viewer.showIndex(kHelpFile, QString());
    auto* search = viewer.findChild<QLineEdit*>("helpSearch");
    QTest::keyClicks(search, "roun");
    QCOMPARE(viewer.findChild<QListWidget*>("helpIndex")->currentItem()->text(), QStringLiteral("rounding"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Professional.htm"));
}

void HelpTest::viewerFollowsLinksAndShowsPictures()
{
    RecordingShell shell;
    help::HelpViewer viewer(shell);
    viewer.showContents(kHelpFile, QStringLiteral("Welcome.htm"));
    auto* browser = viewer.findChild<QTextBrowser*>("helpTopic");
    const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chm:/logo.jpg")));
    QCOMPARE(picture.value<QImage>().size(), QSize(200, 233));
    viewer.openLink(QUrl(QStringLiteral("Messages.htm")));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Messages.htm"));
    QVERIFY(browser->toPlainText().contains("Touchdowns cannot exceed Completions."));
    QVERIFY(shell.files.isEmpty());
    viewer.openLink(QUrl(QStringLiteral("https://www.example.com/morvalenite/")));
    QCOMPARE(shell.files, QStringList{"https://www.example.com/morvalenite/"});
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Messages.htm"));
}

void HelpTest::viewerReportsProblemsItself_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("problem");
    // clang-format off
    QTest::newRow("missing file") << "/nonexistent/Help.chm" << "Welcome.htm" << "does not exist";
    QTest::newRow("not a help file") << "garbage" << "Welcome.htm" << "not a compiled help file";
    QTest::newRow("empty") << "empty" << "Welcome.htm" << "is empty";
    QTest::newRow("huge") << "huge" << "Welcome.htm" << "too large";
    QTest::newRow("a folder") << "/tmp" << "Welcome.htm" << "not a file";
    QTest::newRow("a pipe") << "fifo" << "Welcome.htm" << "not a file";
    QTest::newRow("a device") << "/dev/zero" << "Welcome.htm" << "not a file";
    QTest::newRow("missing topic") << kHelpFile << "Nowhere.htm" << "no topic";
    QTest::newRow("topic leaving the file") << kHelpFile << "../../etc/passwd" << "outside";
    // clang-format on
}

void HelpTest::viewerReportsProblemsItself()
{
    QFETCH(QString, file);
    QFETCH(QString, topic);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    const QString made = folder.path() + QLatin1Char('/') + file;
    QFile sized(made);
    if (file == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(made).constData(), 0600), 0);
        file = made;
    } else if (!file.startsWith(QLatin1Char('/')) && sized.open(QIODevice::WriteOnly)) {
        sized.write(QByteArray(file == "garbage" ? 4096 : 0, '\x5a'));
        sized.resize(file == "huge" ? help::ChmArchive::kMaxFileBytes + 1 : sized.size()); // sparse
        sized.close();
        file = made;
    }
    RecordingShell shell;
    help::HelpViewer viewer(shell);
    viewer.showContents(file, topic);
    QVERIFY2(viewer.problem().contains(problem), qPrintable(viewer.problem()));
    QVERIFY(viewer.currentTopic().isEmpty());
    QCOMPARE(viewer.findChild<QTextBrowser*>("helpTopic")->toPlainText(), viewer.problem());
    // The next command with the good file works.
    viewer.showContents(kHelpFile, QStringLiteral("Welcome.htm"));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Welcome.htm"));
}

void HelpTest::archiveRefusesOversizedObjects()
{
    auto opened = help::ChmArchive::open(kHelpFile);
    QVERIFY(std::holds_alternative<std::unique_ptr<help::ChmArchive>>(opened));
    const auto& archive = std::get<std::unique_ptr<help::ChmArchive>>(opened);
    const auto small = archive->read(QStringLiteral("/Welcome.htm"), 100);
    QVERIFY(std::holds_alternative<QString>(small));
    QVERIFY(std::get<QString>(small).contains("too large"));
    QVERIFY(std::holds_alternative<QByteArray>(archive->read(QStringLiteral("/Welcome.htm"))));
}

void HelpTest::linksStayInsideTheFile_data()
{
    using Kind = help::LinkTarget::Kind;
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    // clang-format off
    QTest::newRow("sibling") << "/Welcome.htm" << "Messages.htm" << int(Kind::Topic) << "/Messages.htm";
    QTest::newRow("dot segments") << "/a/b.htm" << "./c/../Welcome.htm" << int(Kind::Topic) << "/a/Welcome.htm";
    QTest::newRow("absolute chm") << "/a/b.htm" << "chm:/Welcome.htm#top" << int(Kind::Topic) << "/Welcome.htm";
    QTest::newRow("anchor") << "/Welcome.htm" << "#keys" << int(Kind::Anchor) << "";
    QTest::newRow("web") << "/Welcome.htm" << "HTTPS://example.com/" << int(Kind::Web) << "";
    QTest::newRow("mail") << "/Welcome.htm" << "mailto:a@example.com" << int(Kind::Web) << "";
    QTest::newRow("climbs out") << "/Welcome.htm" << "../../etc/passwd" << int(Kind::Topic) << "/etc/passwd";
    QTest::newRow("climbs out of chm:") << "/Welcome.htm" << "chm:/../x.htm" << int(Kind::Outside) << "";
    QTest::newRow("local file") << "/Welcome.htm" << "file:///etc/passwd" << int(Kind::Outside) << "";
    QTest::newRow("program") << "/Welcome.htm" << "javascript:alert(1)" << int(Kind::Outside) << "";
    QTest::newRow("no topic yet") << "" << "Welcome.htm" << int(Kind::Topic) << "/Welcome.htm";
    // clang-format on
}

void HelpTest::linksStayInsideTheFile()
{
    QFETCH(QString, topic);
    QFETCH(QString, link);
    QFETCH(int, kind);
    QFETCH(QString, path);
    const help::LinkTarget target = help::resolveLink(topic, QUrl(link));
    QCOMPARE(int(target.kind), kind);
    QCOMPARE(target.path, path);
}

void HelpTest::commandsTravelWholeOrNotAtAll_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken");
    // clang-format off
    QTest::newRow("contents") << QByteArray("--contents\0/h.chm\0Welcome.htm\0", 30) << true;
    QTest::newRow("index") << QByteArray("--index\0/h.chm\0\0", 16) << true;
    QTest::newRow("cut short") << QByteArray("--contents\0/h.chm\0Welc", 22) << false;
    QTest::newRow("unknown tab") << QByteArray("--exec\0/bin/sh\0\0", 16) << false;
    QTest::newRow("one too many") << QByteArray("--index\0a\0b\0c\0", 14) << false;
    QTest::newRow("too long") << QByteArray("--index\0", 8) + QByteArray(help::kMaxCommandBytes, 'a') +
                                     // clang-format on
                                     QByteArray("\0\0", 2)
                              << false;
    QTest::newRow("nothing") << QByteArray() << false;
}

void HelpTest::commandsTravelWholeOrNotAtAll()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    const auto command = help::decodeCommand(bytes);
    QCOMPARE(command.has_value(), taken);
    if (command) {
        QCOMPARE(help::encodeCommand(*command), bytes);
    }
}

void HelpTest::sitemapNestsLists()
{
    // A nested list may sit inside the entry's <LI> or after it.
    const QByteArray html = R"(<html><body><UL>
<LI><OBJECT type="text/sitemap"><param name="Name" value="One"><param name="Local" value="1.htm"></OBJECT>
<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="One.A"><param name="Local" value="1a.htm"></OBJECT></UL>
<LI><OBJECT type="text/sitemap"><param name="Name" value="Two"></OBJECT></LI>
<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Two.A"><param name="Local" value="2a.htm"></OBJECT></LI></UL>
<LI><OBJECT type="text/site properties"><param name="Name" value="ignored"></OBJECT>
</UL></body></html>)";
    const auto entries = help::parseSitemap(html);
    QCOMPARE(entries.size(), std::size_t{2});
    QCOMPARE(entries[0].name, QStringLiteral("One"));
    QCOMPARE(entries[0].local, QStringLiteral("1.htm"));
    QCOMPARE(entries[0].children.size(), std::size_t{1});
    QCOMPARE(entries[0].children[0].local, QStringLiteral("1a.htm"));
    QVERIFY(entries[1].local.isEmpty());
    QCOMPARE(entries[1].children.size(), std::size_t{1});
    QCOMPARE(entries[1].children[0].name, QStringLiteral("Two.A"));
}

void HelpTest::shellTellsUserWhenNothingOpensTheAddress_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("told");
    // clang-format off
    QTest::newRow("handler opens it") << "true" << false;
    QTest::newRow("handler fails") << "false" << true;
    QTest::newRow("no handler at all") << "/nonexistent/xdg-open" << true;
    // clang-format on
}

void HelpTest::shellTellsUserWhenNothingOpensTheAddress()
{
    QFETCH(QString, program);
    QFETCH(bool, told);
    QStringList notices;
    platform::DesktopShell shell(program.toStdString(),
                                 [&](const std::string& address) { notices << QString::fromStdString(address); });
    platform::HyperJump(shell, "https://www.example.com/morvalenite/");
    if (told) {
        QTRY_COMPARE(notices, QStringList{"https://www.example.com/morvalenite/"});
    } else {
        QTest::qWait(300);
        QVERIFY(notices.isEmpty());
    }
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
