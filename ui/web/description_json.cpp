#include "ui/web/description_json.h"

#include "engine/number_text.h"
#include "help/sitemap.h"
#include "identity/product.h"
#include "ui/description/commands.h"
#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"
#include "ui/description/texts.h"
#include "ui/web/help_site.h"

#include <span>
#include <string_view>

namespace web {
namespace {

using description::Command;
using description::ControlKind;

// A JSON writer just big enough for this: objects, arrays, strings, numbers, booleans.
class Json {
  public:
    Json& open(char bracket)
    {
        separate();
        m_text += bracket;
        m_first = true;
        return *this;
    }
    Json& close(char bracket)
    {
        m_text += bracket;
        m_first = false;
        return *this;
    }
    Json& key(std::string_view name)
    {
        string(name);
        m_text += ':';
        m_first = true;
        return *this;
    }
    Json& string(std::string_view text)
    {
        separate();
        m_text += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                m_text += '\\';
            }
            if (static_cast<unsigned char>(c) < 0x20) { // as \u00XX
                constexpr char kHex[] = "0123456789abcdef";
                m_text += "\\u00";
                m_text += kHex[(c >> 4) & 0xF];
                m_text += kHex[c & 0xF];
                continue;
            }
            m_text += c;
        }
        m_text += '"';
        return *this;
    }
    Json& number(double value)
    {
        separate();
        m_text += engine::numberText(value).view(); // "8.25", "120": a JSON number
        return *this;
    }
    Json& boolean(bool value)
    {
        separate();
        m_text += value ? "true" : "false";
        return *this;
    }
    Json& field(std::string_view name, std::string_view text) { return key(name).string(text); }
    Json& field(std::string_view name, double value) { return key(name).number(value); }
    Json& flag(std::string_view name, bool value) { return key(name).boolean(value); }
    Json& rect(std::string_view name, description::TwipsRect rect)
    {
        key(name).open('[');
        for (const int twips : {rect.left, rect.top, rect.width, rect.height}) {
            number(description::pixelsAt(twips, description::kLogicalDotsPerInch));
        }
        return close(']');
    }
    Json& size(std::string_view name, description::TwipsSize size)
    {
        key(name).open('[');
        number(description::pixelsAt(size.width, description::kLogicalDotsPerInch));
        number(description::pixelsAt(size.height, description::kLogicalDotsPerInch));
        return close(']');
    }
    [[nodiscard]] std::string text() const { return m_text; }

  private:
    void separate()
    {
        if (!m_first) {
            m_text += ',';
        }
        m_first = false;
    }
    std::string m_text;
    bool m_first = true;
};

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::CountEntry:
    case ControlKind::YardsEntry:
        return "entry";
    case ControlKind::Result:
        return "result";
    case ControlKind::Button:
        return "button";
    case ControlKind::Option:
        return "option";
    }
    return {};
}

// A shortcut's key as a browser's key events name it: "L", "F1".
std::string keyName(const description::Shortcut& shortcut)
{
    return shortcut.functionKey != 0 ? "F" + std::to_string(shortcut.functionKey) : std::string(1, shortcut.letter);
}

void describeMain(Json& json)
{
    json.key("main").open('{').field("name", description::kMainFormName).size("size", description::kMainClientSize);
    json.field("fontFamily", description::kWindowFontFamily).field("fontPoints", description::kWindowFontPoints);
    json.field("substituteFontFamily", description::kSubstituteFontFamily);
    json.key("controls").open('[');
    for (std::size_t i = 0; i < description::kMainControls.size(); ++i) {
        const description::Control& control = description::kMainControls[i];
        json.open('{').field("index", static_cast<double>(i)).field("name", control.name);
        json.field("kind", kindName(control.kind)).field("caption", control.caption).rect("rect", control.rect);
        const std::size_t label = description::labelOf(i);
        const bool named = label < description::kMainControls.size();
        if (named) {
            json.field("label", static_cast<double>(label));
        }
        json.field("spoken", description::spokenName(description::kMainControls[named ? label : i].caption));
        json.field("command", static_cast<int>(control.command));
        json.flag("default", control.role == description::ButtonRole::Default);
        json.flag("cancel", control.role == description::ButtonRole::Cancel);
        json.flag("signed", control.kind == ControlKind::YardsEntry); // takes "-" and "." too
        json.flag("chosenAtStart", control.chosenAtStart).flag("firstFocus", i == description::kFirstFocus);
        if (control.kind == ControlKind::CountEntry || control.kind == ControlKind::YardsEntry) {
            json.field("typed", description::typedCharacters(control.kind));
        }
        json.close('}');
    }
    json.close(']').field("pasteLimit", static_cast<double>(description::kMaxPasteCharacters));
    json.field("ctrlLettersDropped", description::kCtrlLettersDropped);
    json.key("fields").open('['); // in the order Calculate reads them
    for (const std::size_t index : description::kEntryControls) {
        json.string(description::kMainControls[index].name);
    }
    json.close(']').key("menus").open('[');
    for (const description::Menu& menu : description::kMenus) {
        json.open('{').field("name", menu.name).field("caption", menu.caption).key("items").open('[');
        for (const description::MenuItem& item : std::span(menu.items, menu.count)) {
            json.open('{').field("name", item.name).field("caption", item.caption);
            json.field("shortcut", description::shortcutText(item.shortcut));
            json.field("command", static_cast<int>(item.command));
            if (item.shortcut.exists()) {
                json.field("key", keyName(item.shortcut)).flag("ctrl", item.shortcut.ctrl);
            }
            json.close('}');
        }
        json.close(']').close('}');
    }
    json.close(']').close('}');
}

void describeEntries(Json& json, const std::vector<help::SitemapEntry>& entries)
{
    json.open('[');
    for (const help::SitemapEntry& entry : entries) {
        json.open('{').field("name", entry.name).field("local", entry.local).key("children");
        describeEntries(json, entry.children);
        json.close('}');
    }
    json.close(']');
}

void describeLabels(Json& json, std::span<const description::Label> labels)
{
    json.key("labels").open('[');
    for (const description::Label& label : labels) {
        json.open('{').field("name", label.name).field("text", description::designText(label.text));
        json.rect("rect", label.rect);
        json.field("points", label.points).flag("bold", label.bold).flag("wrap", label.wrap);
        json.flag("centred", label.centred);
        if (label.filledOnLoad) {
            json.field("loaded", static_cast<int>(label.text)); // its text comes from pr_loaded_text
        }
        json.close('}');
    }
    json.close(']');
}

} // namespace

std::string describeWindows()
{
    Json json;
    json.open('{').field("title", product::kTitle).field("productName", product::kProductName);
    json.field("homePage", product::kHomePage);
    json.field("exitCommand", static_cast<int>(Command::Exit)).field("webCommand", static_cast<int>(Command::Web));
    json.field("okCaption", description::kOkCaption);
    json.key("help").open('{').field("folder", kHelpFolder).field("start", description::kStartTopic);
    json.field("index", kHelpIndexPage).close('}');
    describeMain(json);

    json.key("about").open('{').field("name", description::kAboutName).field("caption", description::aboutCaption());
    json.size("size", description::kAboutClientSize);
    const description::Button& ok = description::kAboutOk;
    json.key("ok").open('{').field("name", ok.name).field("caption", ok.caption).rect("rect", ok.rect);
    json.flag("default", ok.isDefault).flag("cancel", ok.isCancel).close('}');
    json.key("logo").open('{').field("name", description::kAboutLogo.name).rect("rect", description::kAboutLogo.rect);
    json.close('}').field("lineName", description::kAboutLineName);
    describeLabels(json, description::kAboutLabels);
    json.key("lines").open('[');
    for (const description::Line& line : description::kAboutLines) {
        json.open('{').rect("rect", {.left = line.x1, .top = line.y, .width = line.x2 - line.x1, .height = 0});
        json.field("width", line.widthPixels).field("grey", line.grey).close('}');
    }
    json.close(']').close('}');
    return json.close('}').text();
}

std::string describeSitemap(std::string_view html)
{
    Json json;
    describeEntries(json, help::parseSitemap(html));
    return json.text();
}

} // namespace web
