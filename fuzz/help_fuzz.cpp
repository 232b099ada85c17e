// Arbitrary bytes as what a help file gives the viewer: a contents or index sitemap, a
// link in a topic, and a command handed from a second viewer. Nothing may crash, and no
// link may lead to a path that climbs above the help file's root.

#include "help/sitemap.h"
#include "helpviewer/help_command.h"
#include "helpviewer/topic_link.h"

#include <QByteArray>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::size_t countEntries(const std::vector<help::SitemapEntry>& entries)
{
    std::size_t count = entries.size();
    for (const help::SitemapEntry& entry : entries) {
        count += countEntries(entry.children);
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const auto entries = help::parseSitemap({reinterpret_cast<const char*>(data), size});
    require(countEntries(entries) <= size); // every entry comes from bytes of its own

    const QString text = QString::fromUtf8(bytes);
    const help::LinkTarget target = help::resolveLink(QStringLiteral("/folder/Topic.htm"), QUrl(text));
    if (target.kind == help::LinkTarget::Kind::Topic) {
        require(target.path.startsWith(QLatin1Char('/')) && !target.path.contains(QLatin1String("/../")) &&
                !target.path.endsWith(QLatin1String("/..")));
    }

    if (const auto command = help::decodeCommand(bytes)) {
        require(help::encodeCommand(*command) == bytes);
    }
    return 0;
}
