#pragma once

// The contents (.hhc) and index (.hhk) files of a help file: HTML lists of
// <OBJECT type="text/sitemap"> entries. Read forgivingly, as a browser reads HTML: any
// bytes give a list of entries, and a list nests under the entry before it whether it
// stands inside that entry's <LI> or after it. Standard C++, so the help viewer and the
// web site's writer read them alike.

#include <string>
#include <string_view>
#include <vector>

namespace help {

struct SitemapEntry {
    std::string name;  // UTF-8
    std::string local; // the topic's path inside the help file; may be empty for a heading
    std::vector<SitemapEntry> children;
};

// `html` in Windows-1252's Latin-1 part, as help compilers write it; entities decoded.
std::vector<SitemapEntry> parseSitemap(std::string_view html);

} // namespace help
