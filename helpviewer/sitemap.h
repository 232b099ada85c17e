#pragma once

// The contents (.hhc) and index (.hhk) files of a help file: HTML lists of
// <OBJECT type="text/sitemap"> entries, read with libxml2's forgiving HTML parser.

#include <QByteArray>
#include <QString>

#include <vector>

namespace help {

struct SitemapEntry {
    QString name;
    QString local; // the topic's path inside the help file; may be empty for a heading
    std::vector<SitemapEntry> children;
};

std::vector<SitemapEntry> parseSitemap(const QByteArray& html);

} // namespace help
