#include "helpviewer/chm_archive.h"
#include "helpviewer/help_viewer.h"
#include "helpviewer/topic_link.h"
#include "identity/product.h"
#include "platform/browser_unix.h"
#include "support/doubles.h"

#include <QTest>
#include <QTextBrowser>

#include <string>
#include <utility>
#include <variant>

namespace {

const QString kHelpFile = QStringLiteral(PR_TEST_HELP_FILE);

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void viewerFollowsLinksAndShowsPictures();
    void archiveRefusesOversizedObjects();
    void linksStayInsideTheFile_data();
    void linksStayInsideTheFile();

    void browserTellsUserWhenNothingOpensTheAddress();
};

void HelpTest::viewerFollowsLinksAndShowsPictures()
{
    RecordingBrowser web;
    help::HelpViewer viewer(web);
    viewer.showContents(kHelpFile, QStringLiteral("Welcome.htm"));
    auto* browser = viewer.findChild<QTextBrowser*>("helpTopic");
    const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chm:/logo.jpg")));
    QCOMPARE(picture.value<QImage>().size(), QSize(200, 233));
    viewer.openLink(QUrl(QStringLiteral("Messages.htm")));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Messages.htm"));
    QVERIFY(browser->toPlainText().contains("Touchdowns cannot exceed Completions."));
    QVERIFY(web.addresses.empty());
    viewer.openLink(QUrl(QStringLiteral("https://www.example.com/morvalenite/")));
    QCOMPARE(web.addresses, std::vector<std::string>{"https://www.example.com/morvalenite/"});
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/Messages.htm"));
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

void HelpTest::browserTellsUserWhenNothingOpensTheAddress()
{
    // A handler that fails, and none at all, are told of; one that opens the address is not.
    const std::pair<std::string, bool> rows[] = {{"false", true}, {"/nonexistent/xdg-open", true}, {"true", false}};
    for (const auto& [program, told] : rows) {
        QStringList notices;
        platform::DesktopBrowser browser(
            program, [&](const std::string& address) { notices << QString::fromStdString(address); });
        browser.open("https://www.example.com/morvalenite/");
        if (told) {
            QTRY_COMPARE(notices, QStringList{"https://www.example.com/morvalenite/"});
        } else {
            QTest::qWait(300);
            QVERIFY2(notices.isEmpty(), program.c_str());
        }
    }
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
