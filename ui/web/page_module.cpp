// The web page's WebAssembly module: the calculator's commands and its entry filter,
// run here over the page. The page (app.js) is the window: it implements the imports
// below over its controls, and calls the exports from its events.
//
//   page event --pr_run(command)--> description::run --imports--> the page's controls
//   the address as the page opens --pr_open_address--> fields, formula, Calculate
//   a rating shown --show_work, set_address--> the work under it, the page's address
// The page itself was written at build time from describe_windows.cpp's JSON (site.mjs).

#include "identity/product.h"
#include "platform/help.h"
#include "ui/description/clock.h"
#include "ui/description/commands.h"
#include "ui/description/texts.h"
#include "ui/web/calculation_address.h"
#include "ui/web/help_site.h"
#include "ui/web/work_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))
#define PAGE_EXPORT(name) extern "C" __attribute__((export_name(#name)))

// What the page offers the module. A text the page hands over is written into the
// exchange buffer (pr_reserve) and its length returned.
extern "C" {
PAGE_IMPORT(entry_text) std::size_t pageEntryText(int field);
PAGE_IMPORT(set_entry_text) void pageSetEntryText(int field, const char* text, std::size_t length);
PAGE_IMPORT(set_rating_text) void pageSetRatingText(const char* text, std::size_t length);
PAGE_IMPORT(chosen_option) int pageChosenOption();             // the checked option's control
PAGE_IMPORT(choose_option) void pageChooseOption(int control); // checks it
PAGE_IMPORT(number_format) std::size_t pageNumberFormat();
PAGE_IMPORT(show_work) void pageShowWork(const char* table, std::size_t length);
PAGE_IMPORT(set_address) void pageSetAddress(const char* fragment, std::size_t length);
PAGE_IMPORT(show_message) void pageShowMessage(const char* text, std::size_t length);
PAGE_IMPORT(show_about) void pageShowAbout();
PAGE_IMPORT(open_help) void pageOpenHelp(const char* address, std::size_t length);
PAGE_IMPORT(local_year) int pageLocalYear();
}

namespace {

std::string g_exchange; // texts from the page, and the last text handed to it

std::string exchanged(std::size_t length)
{
    return g_exchange.substr(0, length);
}

// The page as the commands see it. Exit has no page to end: the page shows no Exit.
class PageView final : public description::CommandView {
  public:
    [[nodiscard]] std::string entryText(engine::Field field) const override
    {
        return exchanged(pageEntryText(static_cast<int>(field)));
    }
    void setEntryText(engine::Field field, std::string_view text) override
    {
        pageSetEntryText(static_cast<int>(field), text.data(), text.size());
    }
    void setRatingText(std::string_view text) override { pageSetRatingText(text.data(), text.size()); }
    [[nodiscard]] engine::Formula chosenFormula() const override
    {
        return description::kMainControls.at(static_cast<std::size_t>(pageChosenOption())).formula;
    }
    // The locale's, asked of the page once, when first needed (its number formats take a
    // while to load), as the desktop windows read them once: the decimal separator, the
    // group separator, the minus sign, the digit zero and the two group sizes, a tab
    // between each.
    [[nodiscard]] engine::LocaleNumbers localeNumbers() const override
    {
        if (!m_numbers) {
            const std::string format = exchanged(pageNumberFormat());
            std::array<std::string_view, 6> parts{};
            std::string_view rest = format;
            for (std::string_view& part : parts) {
                part = rest.substr(0, rest.find('\t'));
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
            const auto size = [](std::string_view digits) {
                unsigned value = 0;
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
                return value;
            };
            m_numbers = {.decimal = std::string(parts[0]),
                         .group = std::string(parts[1]),
                         .minus = std::string(parts[2]),
                         .zero = std::string(parts[3]),
                         .groupSize = size(parts[4]),
                         .outerGroupSize = size(parts[5])};
        }
        return *m_numbers;
    }
    void showMessage(std::string_view text) override { pageShowMessage(text.data(), text.size()); }
    void showWork(const engine::Calculation& calculation, engine::Formula formula) override
    {
        const std::string table = web::workTable(calculation, localeNumbers().decimal);
        pageShowWork(table.data(), table.size());
        const std::string address = web::calculationAddress(calculation.stats, formula);
        pageSetAddress(address.data(), address.size());
    }
    void showAbout() override { pageShowAbout(); }
    void endProgram() override {}

  private:
    mutable std::optional<engine::LocaleNumbers> m_numbers;
};

// The help topics are pages of the site, in its help folder; the page opens them in
// one tab of their own, as the viewer is one window on the desktop.
class PageHelp final : public platform::Help {
  public:
    void showContents(const std::string& folder, const std::string& topic) override { open(folder + topic); }
    void showIndex(const std::string& folder) override { open(folder + web::kHelpIndexPage); }

  private:
    static void open(const std::string& address) { pageOpenHelp(address.data(), address.size()); }
};

// The year of the user's local date, as the browser knows it (WASI's clock has no
// time zone).
class PageClock final : public description::Clock {
  public:
    [[nodiscard]] int currentYear() const override { return pageLocalYear(); }
};

PageView g_view; // the page, for every export

std::size_t handOver(std::string text)
{
    g_exchange = std::move(text);
    return g_exchange.size();
}

} // namespace

PAGE_EXPORT(pr_reserve) char* pr_reserve(std::size_t length)
{
    g_exchange.resize(length);
    return g_exchange.data();
}

PAGE_EXPORT(pr_exchange) const char* pr_exchange()
{
    return g_exchange.data();
}

PAGE_EXPORT(pr_run) void pr_run(int command)
{
    static PageHelp help;
    const description::PlatformServices services{.help = &help, .browser = nullptr, .helpFile = web::kHelpFolder};
    description::run(static_cast<description::Command>(command), g_view, services);
}

// The address's fragment, handed over in the exchange buffer: a calculation it holds
// is filled in and calculated, as if pasted and entered. Returns whether it held one.
PAGE_EXPORT(pr_open_address) int pr_open_address(std::size_t length)
{
    const auto calculation = web::readCalculationAddress(exchanged(length));
    if (!calculation) {
        return 0;
    }
    if (calculation->refused) {
        g_view.showMessage(engine::messageText(engine::unreadableRefusal(*calculation->refused)));
        return 1;
    }
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        g_view.setEntryText(static_cast<engine::Field>(i), calculation->texts[i].value_or(""));
    }
    if (calculation->formula) {
        pageChooseOption(static_cast<int>(description::optionFor(*calculation->formula)));
    }
    description::calculate(g_view);
    return 1;
}

// A label's text as its window loads (the About window's notice, for today's year).
PAGE_EXPORT(pr_loaded_text) std::size_t pr_loaded_text(int text)
{
    return handOver(description::loadedText(static_cast<description::LabelText>(text), PageClock().currentYear(),
                                            product::kVersionMajor, product::kVersionMinor));
}
