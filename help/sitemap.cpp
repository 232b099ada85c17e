#include "help/sitemap.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace help {
namespace {

constexpr std::size_t kMaxDepth = 64; // deeper than any real contents file

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        c = lower(c);
    }
    return result;
}

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character an entity at the start of `text` ("&amp;", "&#233;", "&#xE9;") stands
// for and its length; a text that is no entity stands for its "&".
std::pair<std::uint32_t, std::size_t> entity(std::string_view text)
{
    static constexpr std::pair<std::string_view, std::uint32_t> kNamed[]{
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&nbsp;", 0xA0}};
    for (const auto& [name, code] : kNamed) {
        if (lowered(text.substr(0, name.size())) == name) {
            return {code, name.size()};
        }
    }
    if (text.size() > 2 && text[1] == '#') {
        const bool hex = lower(text[2]) == 'x';
        std::uint32_t code = 0;
        std::size_t at = hex ? 3 : 2;
        const std::size_t first = at;
        for (; at < text.size() && at < first + 8; ++at) {
            const char c = lower(text[at]);
            const int digit = c >= '0' && c <= '9' ? c - '0' : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0) {
                break;
            }
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        if (at > first) {
            return {code, at < text.size() && text[at] == ';' ? at + 1 : at};
        }
    }
    return {'&', 1};
}

// An attribute's value as UTF-8, its entities decoded.
std::string decoded(std::string_view raw)
{
    std::string out;
    for (std::size_t at = 0; at < raw.size();) {
        if (raw[at] == '&') {
            const auto [code, length] = entity(raw.substr(at));
            appendUtf8(out, code);
            at += length;
        } else {
            appendUtf8(out, static_cast<unsigned char>(raw[at]));
            ++at;
        }
    }
    return out;
}

struct Tag {
    std::string name; // lower case; "/ul" for a closing tag
    std::vector<std::pair<std::string, std::string>> attributes;

    [[nodiscard]] std::string attribute(std::string_view wanted) const
    {
        for (const auto& [key, value] : attributes) {
            if (key == wanted) {
                return value;
            }
        }
        return {};
    }
};

// Reads the tag that starts at `at` (just after its "<") up to its ">" or the end.
Tag readTag(std::string_view html, std::size_t& at)
{
    Tag tag;
    const auto nameChar = [](char c) { return !isSpace(c) && c != '>' && c != '/' && c != '='; };
    if (at < html.size() && html[at] == '/') {
        tag.name = "/";
        ++at;
    }
    while (at < html.size() && nameChar(html[at])) {
        tag.name += lower(html[at++]);
    }
    while (at < html.size() && html[at] != '>') {
        if (!nameChar(html[at])) {
            ++at;
            continue;
        }
        std::string key;
        while (at < html.size() && nameChar(html[at])) {
            key += lower(html[at++]);
        }
        while (at < html.size() && isSpace(html[at])) {
            ++at;
        }
        std::string_view value;
        if (at < html.size() && html[at] == '=') {
            ++at;
            while (at < html.size() && isSpace(html[at])) {
                ++at;
            }
            const bool quoted = at < html.size() && (html[at] == '"' || html[at] == '\'');
            const char end = quoted ? html[at++] : '\0';
            const std::size_t start = at;
            while (at < html.size() && (quoted ? html[at] != end : !isSpace(html[at]) && html[at] != '>')) {
                ++at;
            }
            value = html.substr(start, at - start);
            if (quoted && at < html.size()) {
                ++at;
            }
        }
        tag.attributes.emplace_back(std::move(key), decoded(value));
    }
    ++at; // the ">"
    return tag;
}

// Entries go into the innermost open list; a list opens under the last entry of the one
// around it (or, before any entry, adds to that list itself).
class Reader {
  public:
    void take(const Tag& tag)
    {
        if (tag.name == "object") {
            finishEntry();
            if (lowered(tag.attribute("type")) == "text/sitemap") {
                m_entry.emplace();
            }
        } else if (tag.name == "/object") {
            finishEntry();
        } else if (tag.name == "param" && m_entry) {
            const std::string name = lowered(tag.attribute("name"));
            // An entry may name several topics; the first is the one shown.
            if (name == "name" && m_entry->name.empty()) {
                m_entry->name = tag.attribute("value");
            } else if (name == "local" && m_entry->local.empty()) {
                m_entry->local = tag.attribute("value");
            }
        } else if (tag.name == "ul" || tag.name == "ol") {
            finishEntry();
            std::vector<SitemapEntry>& level = *m_levels.back();
            if (m_levels.size() < kMaxDepth && !level.empty()) {
                m_levels.push_back(&level.back().children);
            } else {
                m_levels.push_back(&level);
            }
        } else if ((tag.name == "/ul" || tag.name == "/ol") && m_levels.size() > 1) {
            finishEntry();
            m_levels.pop_back();
        }
    }

    std::vector<SitemapEntry> entries()
    {
        finishEntry();
        return std::move(m_root);
    }

  private:
    void finishEntry()
    {
        if (m_entry) {
            m_levels.back()->push_back(std::move(*m_entry));
            m_entry.reset();
        }
    }

    std::vector<SitemapEntry> m_root;
    // The open lists, outermost first. Only the innermost grows while it is open, so the
    // lists around it, and these pointers into them, stay where they are.
    std::vector<std::vector<SitemapEntry>*> m_levels{&m_root};
    std::optional<SitemapEntry> m_entry; // an <OBJECT type="text/sitemap"> not yet closed
};

} // namespace

std::vector<SitemapEntry> parseSitemap(std::string_view html)
{
    Reader reader;
    for (std::size_t at = 0; at < html.size();) {
        const std::size_t open = html.find('<', at);
        if (open == std::string_view::npos) {
            break;
        }
        at = open + 1;
        if (html.substr(at, 3) == "!--") {
            const std::size_t end = html.find("-->", at + 3);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        reader.take(readTag(html, at));
    }
    return reader.entries();
}

} // namespace help
