#include "../engine/row_name.h"
#include "identity/product.h"
#include "support/doubles.h"
#include "ui/description/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using description::Command;

// A window writing down what it was asked.
class Recorder final : public description::CommandView {
  public:
    std::vector<std::string> entries{"20", "14", "210", "2", "2"};
    std::vector<std::string> log;

    [[nodiscard]] std::string entryText(engine::Field field) const override
    {
        return entries[static_cast<std::size_t>(field)];
    }
    void setEntryText(engine::Field field, std::string_view text) override
    {
        log.push_back("entry " + std::to_string(static_cast<int>(field)) + " '" + std::string(text) + "'");
    }
    void setRatingText(std::string_view text) override { log.push_back("rating '" + std::string(text) + "'"); }
    [[nodiscard]] bool professionalSelected() const override { return true; }
    [[nodiscard]] description::LocaleSeparators separators() const override { return {}; } // a locale that names none
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void showAbout() override { log.emplace_back("about"); }
    void endProgram() override { log.emplace_back("end"); }
};

struct CommandRow {
    const char* name;
    Command command;
    std::vector<std::string> log;
};

// clang-format off
const CommandRow kCommandRows[] = {
    {"CalculateWithADotWhereTheLocaleNamesNoSeparator", Command::Calculate, {"rating '97.9'"}},
    {"ResetEntriesInReadingOrderThenRating", Command::Reset, {"entry 0 ''", "entry 1 ''", "entry 2 ''", "entry 3 ''", "entry 4 ''", "rating ''"}},
    {"ContentsAtWelcome", Command::Contents, {"help contents Help/h.chm Welcome.htm"}},
    {"Index", Command::Index, {"help index Help/h.chm"}},
    {"WebToTheHomePage", Command::Web, {"open " + std::string(product::kHomePage)}},
    {"NoneDoesNothing", Command::None, {}},
    {"About", Command::About, {"about"}},
    {"Exit", Command::Exit, {"end"}},
};
// clang-format on

class Commands : public testing::TestWithParam<CommandRow> {};

// What the window, the help and the browser were asked, in that order.
std::vector<std::string> asked(const Recorder& recorder, const RecordingHelp& help, const RecordingBrowser& browser)
{
    std::vector<std::string> all = recorder.log;
    for (const std::string& call : help.calls) {
        all.push_back("help " + call);
    }
    for (const std::string& address : browser.addresses) {
        all.push_back("open " + address);
    }
    return all;
}

TEST_P(Commands, ReachWhatTheyAreFor)
{
    Recorder recorder;
    RecordingHelp help;
    RecordingBrowser browser;
    description::run(GetParam().command, recorder, {&help, &browser, "Help/h.chm"});
    EXPECT_EQ(asked(recorder, help, browser), GetParam().log);
    recorder.log.clear();
    description::run(GetParam().command, recorder, {}); // without the services, help and web do nothing
    EXPECT_EQ(recorder.log.size(), help.calls.size() + browser.addresses.size() == 0 ? GetParam().log.size() : 0);
}

INSTANTIATE_TEST_SUITE_P(Every, Commands, testing::ValuesIn(kCommandRows), RowName());

TEST(Calculate, WritesZeroIntoTheEmptyFieldsReadBeforeARefusal)
{
    Recorder recorder;
    recorder.entries = {"10", "", "x", "", ""};
    description::run(Command::Calculate, recorder, {});
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"entry 1 '0'", "message The Yards field contains an error."}));
}

} // namespace
