#include "ui/web/description_json.h"

#include "engine/number_text.h"
#include "identity/product.h"
#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"
#include "ui/description/texts.h"

#include <span>
#include <string_view>

namespace web {
namespace {

using description::Command;
using description::ControlKind;

constexpr int kCssDotsPerInch = 96;

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
            m_text += c; // the texts hold no control characters
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
            number(description::pixelsAt(twips, kCssDotsPerInch));
        }
        return close(']');
    }
    Json& size(std::string_view name, description::TwipsSize size)
    {
        key(name).open('[');
        number(description::pixelsAt(size.width, kCssDotsPerInch));
        number(description::pixelsAt(size.height, kCssDotsPerInch));
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

std::string_view keyName(description::Key key)
{
    switch (key) {
    case description::Key::None:
        return {};
    case description::Key::F1:
        return "F1";
    case description::Key::F3:
        return "F3";
    case description::Key::CtrlL:
        return "Ctrl+L";
    case description::Key::CtrlT:
        return "Ctrl+T";
    }
    return {};
}

// The buttons' commands, as the desktop windows' click handlers run them.
int buttonCommand(std::size_t index)
{
    switch (index) {
    case description::kBtnCalculate:
        return static_cast<int>(Command::Calculate);
    case description::kBtnReset:
        return static_cast<int>(Command::Reset);
    default:
        return static_cast<int>(Command::Exit);
    }
}

void describeMain(Json& json)
{
    json.key("main").open('{').size("size", description::kMainClientSize);
    json.field("fontFamily", description::kWindowFontFamily).field("fontPoints", description::kWindowFontPoints);
    json.key("controls").open('[');
    for (std::size_t i = 0; i < description::kMainControls.size(); ++i) {
        const description::Control& control = description::kMainControls[i];
        json.open('{').field("index", static_cast<double>(i)).field("name", control.name);
        json.field("kind", kindName(control.kind)).field("caption", control.caption).rect("rect", control.rect);
        if (control.kind == ControlKind::Button) {
            json.field("command", buttonCommand(i));
        }
        json.flag("default", i == description::kBtnCalculate).flag("cancel", i == description::kBtnReset);
        json.flag("signed", control.kind == ControlKind::YardsEntry); // takes "-" and "." too
        json.close('}');
    }
    json.close(']').key("fields").open('['); // in the order Calculate reads them
    for (const std::size_t index : description::kEntryControls) {
        json.string(description::kMainControls[index].name);
    }
    json.close(']').key("menus").open('[');
    for (const description::Menu& menu : description::kMenus) {
        json.open('{').field("name", menu.name).field("caption", menu.caption).key("items").open('[');
        for (const description::MenuItem& item : std::span(menu.items, menu.count)) {
            json.open('{').field("name", item.name).field("caption", item.caption);
            json.field("shortcut", keyName(item.shortcut)).field("command", static_cast<int>(item.command));
            json.close('}');
        }
        json.close(']').close('}');
    }
    json.close(']').close('}');
}

void describeLabels(Json& json, std::span<const description::Label> labels, bool splash)
{
    json.key("labels").open('[');
    for (const description::Label& label : labels) {
        std::string text = description::designText(label.text);
        if (splash && label.text == description::LabelText::Version) { // the splash writes its own
            text = description::versionText(product::kVersionMajor, product::kVersionMinor);
        }
        json.open('{').field("name", label.name).field("text", text).rect("rect", label.rect);
        json.field("points", label.points).flag("bold", label.bold).flag("wrap", label.wrap);
        json.flag("centred", label.centred).flag("notice", label.text == description::LabelText::Copyright);
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
    json.field("exitCommand", static_cast<int>(Command::Exit));
    describeMain(json);

    json.key("splash").open('{').size("size", description::kSplashClientSize);
    json.rect("frame", description::kSplashFrame).rect("logo", description::kSplashLogo);
    describeLabels(json, description::kSplashLabels, true);
    json.close('}');

    json.key("about").open('{').field("caption", description::aboutCaption());
    json.size("size", description::kAboutClientSize).rect("ok", description::kAboutOk);
    json.rect("logo", description::kAboutLogo);
    describeLabels(json, description::kAboutLabels, false);
    json.key("lines").open('[');
    for (const description::Line& line : description::kAboutLines) {
        json.open('{').rect("rect", {.left = line.x1, .top = line.y, .width = line.x2 - line.x1, .height = 0});
        json.field("width", line.widthPixels).field("grey", line.grey).close('}');
    }
    json.close(']').close('}');
    return json.close('}').text();
}

} // namespace web
