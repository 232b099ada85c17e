#include "helpviewer/sitemap.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <climits>
#include <memory>

namespace help {
namespace {

QString attribute(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr) {
        return {};
    }
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

bool named(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

SitemapEntry entryOf(xmlNode* object)
{
    SitemapEntry entry;
    for (xmlNode* param = object->children; param != nullptr; param = param->next) {
        if (!named(param, "param")) {
            continue;
        }
        const QString name = attribute(param, "name").toLower();
        // An entry may name several topics; the first is the one shown.
        if (name == QLatin1String("name") && entry.name.isEmpty()) {
            entry.name = attribute(param, "value");
        } else if (name == QLatin1String("local") && entry.local.isEmpty()) {
            entry.local = attribute(param, "value");
        }
    }
    return entry;
}

// Entries go into `level`; a nested list belongs to the entry just before it, whether
// the parser put the list inside that entry's <LI> or after it.
void collect(xmlNode* first, std::vector<SitemapEntry>& level, int depth)
{
    if (depth > 64) {
        return; // deeper than any real contents file
    }
    for (xmlNode* node = first; node != nullptr; node = node->next) {
        if (named(node, "object")) {
            if (attribute(node, "type").compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                level.push_back(entryOf(node));
            }
        } else if (named(node, "ul") || named(node, "ol")) {
            collect(node->children, level.empty() ? level : level.back().children, depth + 1);
        } else if (node->type == XML_ELEMENT_NODE) {
            collect(node->children, level, depth + 1);
        }
    }
}

} // namespace

std::vector<SitemapEntry> parseSitemap(const QByteArray& html)
{
    std::vector<SitemapEntry> entries;
    if (html.isEmpty() || html.size() > INT_MAX) {
        return entries;
    }
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        htmlReadMemory(html.constData(), static_cast<int>(html.size()), nullptr, nullptr,
                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET),
        xmlFreeDoc);
    if (document == nullptr) {
        return entries;
    }
    collect(xmlDocGetRootElement(document.get()), entries, 0);
    return entries;
}

} // namespace help
