#include "helpviewer/help_viewer.h"

#include "help/sitemap.h"
#include "helpviewer/chm_archive.h"
#include "helpviewer/topic_link.h"
#include "platform/browser.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace help {
namespace {

constexpr char kScheme[] = "chm";
constexpr int kLocalRole = Qt::UserRole;

QUrl topicUrl(const QString& path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(path);
    return url;
}

void addEntries(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<SitemapEntry>& entries)
{
    for (const SitemapEntry& entry : entries) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, QString::fromStdString(entry.name));
        item->setData(0, kLocalRole, QString::fromStdString(entry.local));
        addEntries(item, tree, entry.children);
    }
}

void collectKeywords(std::vector<const SitemapEntry*>& keywords, const std::vector<SitemapEntry>& entries)
{
    for (const SitemapEntry& entry : entries) {
        keywords.push_back(&entry);
        collectKeywords(keywords, entry.children);
    }
}

// An index reads in alphabetical order whatever the case of its entries ("about" before
// "Calculate"); entries equal but for case keep the order of the index file.
void addKeywords(QListWidget* list, const std::vector<SitemapEntry>& entries)
{
    std::vector<const SitemapEntry*> keywords;
    collectKeywords(keywords, entries);
    std::stable_sort(keywords.begin(), keywords.end(), [](const SitemapEntry* left, const SitemapEntry* right) {
        return QString::fromStdString(left->name).compare(QString::fromStdString(right->name), Qt::CaseInsensitive) < 0;
    });
    for (const SitemapEntry* keyword : keywords) {
        auto* item = new QListWidgetItem(QString::fromStdString(keyword->name), list);
        item->setData(kLocalRole, QString::fromStdString(keyword->local));
    }
}

} // namespace

// The pane: every resource a topic names (a style sheet, a picture) is read from the help
// file. Whatever else a topic names, another scheme, an absolute or a climbing path, a
// device, is refused with an empty answer, never with none: given no answer, the text
// browser reads the name from disk itself, and given no picture, it tries the name as a
// picture file. A picture refused or not readable is an empty one.
class HelpBrowser : public QTextBrowser {
  public:
    // What one topic may decompress, its resources together.
    static constexpr qint64 kTopicBudgetBytes = qint64{32} * 1024 * 1024;

    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) { setOpenLinks(false); }

    const ChmArchive* archive = nullptr;
    qint64 budget = 0; // what the topic on show may still decompress

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QByteArray bytes = read(name);
        if (type == QTextDocument::ImageResource) {
            QImage picture = QImage::fromData(bytes);
            if (picture.isNull()) {
                picture = QImage(1, 1, QImage::Format_ARGB32);
                picture.fill(Qt::transparent);
            }
            return picture;
        }
        return QString::fromUtf8(bytes);
    }

  private:
    QByteArray read(const QUrl& name)
    {
        if (archive == nullptr || name.scheme() != QLatin1String(kScheme) || budget <= 0) {
            return {};
        }
        auto bytes = archive->read(name.path(), std::min(budget, ChmArchive::kMaxObjectBytes));
        if (!std::holds_alternative<QByteArray>(bytes)) {
            return {};
        }
        budget -= std::get<QByteArray>(bytes).size();
        return std::get<QByteArray>(std::move(bytes));
    }
};

HelpViewer::HelpViewer(platform::Browser& webBrowser) : QWidget(nullptr, Qt::Window), m_webBrowser(webBrowser)
{
    setObjectName("helpViewer");
    resize(760, 520);

    m_tabs = new QTabWidget;
    m_contents = new QTreeWidget;
    m_contents->setObjectName("helpContents");
    m_contents->setHeaderHidden(true);
    m_tabs->addTab(m_contents, tr("&Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    m_search = new QLineEdit;
    m_search->setObjectName("helpSearch");
    m_search->setPlaceholderText(tr("Type a keyword"));
    m_index = new QListWidget;
    m_index->setObjectName("helpIndex");
    indexLayout->addWidget(m_search);
    indexLayout->addWidget(m_index);
    m_tabs->addTab(indexPage, tr("I&ndex"));

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName("helpTopic");

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    const auto showItem = [this](const QString& local) {
        if (!local.isEmpty()) {
            showTopic(local);
        }
    };
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [showItem](QTreeWidgetItem* item) { showItem(item->data(0, kLocalRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [showItem](QTreeWidgetItem* item) { showItem(item->data(0, kLocalRole).toString()); });
    connect(m_index, &QListWidget::itemActivated, this,
            [showItem](QListWidgetItem* item) { showItem(item->data(kLocalRole).toString()); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = m_index->currentItem()) {
            showTopic(item->data(kLocalRole).toString());
        }
    });
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::openLink);
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::load(const QString& file)
{
    // The same file is read once; a file that failed is tried again on the next command.
    if (m_archive != nullptr && file == m_file) {
        return true;
    }
    m_browser->archive = nullptr;
    m_archive.reset();
    m_file = file;
    m_title = QFileInfo(file).completeBaseName();
    m_contents->clear();
    m_index->clear();
    auto opened = ChmArchive::open(file);
    if (std::holds_alternative<QString>(opened)) {
        showProblem(std::get<QString>(opened));
        return false;
    }
    m_archive = std::move(std::get<std::unique_ptr<ChmArchive>>(opened));
    m_browser->archive = m_archive.get();
    if (const QString title = m_archive->title(); !title.isEmpty()) {
        m_title = title;
    }
    fillTabs();
    return true;
}

void HelpViewer::fillTabs()
{
    for (const QString& path : m_archive->paths()) {
        const bool contents = path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive);
        const bool index = path.endsWith(QLatin1String(".hhk"), Qt::CaseInsensitive);
        if (!contents && !index) {
            continue;
        }
        const auto bytes = m_archive->read(path);
        if (!std::holds_alternative<QByteArray>(bytes)) {
            continue;
        }
        const auto& sitemap = std::get<QByteArray>(bytes);
        const std::vector<SitemapEntry> entries =
            parseSitemap({sitemap.constData(), static_cast<std::size_t>(sitemap.size())});
        if (contents) {
            addEntries(nullptr, m_contents, entries);
        } else {
            addKeywords(m_index, entries);
        }
    }
    m_contents->expandAll();
}

void HelpViewer::run(const HelpCommand& command)
{
    if (command.tab == HelpCommand::Tab::Contents) {
        showContents(command.file, command.topic);
    } else {
        showIndex(command.file, command.topic);
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::showContents(const QString& file, const QString& topic)
{
    m_tabs->setCurrentIndex(0);
    if (load(file)) {
        showTopic(topic);
    }
}

void HelpViewer::showIndex(const QString& file, const QString& keyword)
{
    m_tabs->setCurrentIndex(1);
    if (load(file)) {
        m_search->setText(keyword);
        m_search->setFocus();
        if (m_topic.isEmpty() && m_contents->topLevelItemCount() > 0) {
            showTopic(m_contents->topLevelItem(0)->data(0, kLocalRole).toString());
        }
    }
}

QString HelpViewer::currentTopic() const
{
    return m_topic;
}

QString HelpViewer::problem() const
{
    return m_problem;
}

void HelpViewer::openLink(const QUrl& link)
{
    const LinkTarget target = resolveLink(m_topic, link);
    switch (target.kind) {
    case LinkTarget::Kind::Web:
        m_webBrowser.open(link.toString().toStdString());
        return;
    case LinkTarget::Kind::Anchor:
        m_browser->scrollToAnchor(target.fragment);
        return;
    case LinkTarget::Kind::Topic:
        showTopic(target.path);
        if (!target.fragment.isEmpty()) {
            m_browser->scrollToAnchor(target.fragment);
        }
        return;
    case LinkTarget::Kind::Outside:
        showProblem(tr("The link %1 leads outside the help file.").arg(link.toString()));
        return;
    }
}

void HelpViewer::showTopic(const QString& local)
{
    if (m_archive == nullptr) {
        return;
    }
    const QString path = local.startsWith(QLatin1Char('/')) ? local : QLatin1Char('/') + local;
    const auto bytes = m_archive->read(path);
    if (std::holds_alternative<QString>(bytes)) {
        showProblem(std::get<QString>(bytes));
        return;
    }
    // A damaged file can decompress into anything; no page of text holds a NUL.
    if (std::get<QByteArray>(bytes).contains('\0')) {
        showProblem(tr("The topic %1 is damaged in the help file.").arg(path));
        return;
    }
    m_problem.clear();
    m_topic = insidePath(path);
    m_browser->budget = HelpBrowser::kTopicBudgetBytes;
    m_browser->setSource(topicUrl(m_topic), QTextDocument::HtmlResource);
    markInContents(m_topic);
    showTitle(m_browser->documentTitle());
}

void HelpViewer::showProblem(const QString& text)
{
    m_problem = text;
    m_topic.clear();
    m_browser->setPlainText(text);
    showTitle(tr("Problem"));
}

void HelpViewer::showTitle(const QString& shown)
{
    // The help's own title, as the Windows viewer shows it, and what the pane shows.
    setWindowTitle(shown.isEmpty() ? m_title : tr("%1 - %2").arg(m_title, shown));
}

void HelpViewer::markInContents(const QString& topic)
{
    // The tree shows where the reader is, however the topic was reached; of two entries
    // for one topic, the one the reader chose stays marked.
    const auto showsTopic = [&topic](const QTreeWidgetItem* item) {
        const QString local = item->data(0, kLocalRole).toString();
        return !local.isEmpty() && insidePath(QLatin1Char('/') + local) == topic;
    };
    if (m_contents->currentItem() != nullptr && showsTopic(m_contents->currentItem())) {
        return;
    }
    for (QTreeWidgetItemIterator it(m_contents); *it != nullptr; ++it) {
        if (showsTopic(*it)) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->setCurrentItem(nullptr);
}

void HelpViewer::filterIndex(const QString& text)
{
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        if (item->text().startsWith(text, Qt::CaseInsensitive)) {
            m_index->setCurrentItem(item);
            m_index->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

} // namespace help
