#include "../engine/row_name.h"
#include "identity/product.h"
#include "platform/html_help.h"
#include "platform/shell.h"
#include "ui/description/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using description::Command;

// A window, the help viewer and the shell in one, writing down what each was asked.
class Recorder final : public description::CommandView, public platform::HtmlHelp, public platform::Shell {
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
    [[nodiscard]] std::string decimalSeparator() const override { return {}; } // a locale that names none
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void showAbout() override { log.emplace_back("about"); }
    void endProgram() override { log.emplace_back("end"); }
    void HtmlHelpA(platform::WindowHandle owner, const std::string& file, unsigned command,
                   const std::string& data) override
    {
        log.push_back((owner == nullptr ? "help " : "owned help ") + file + " " + std::to_string(command) + " '" +
                      data + "'");
    }
    void ShellExecuteA(platform::WindowHandle owner, const char* operation, const std::string& file,
                       const char* parameters, const char* directory, int showCommand) override
    {
        const bool plain = owner == nullptr && operation == nullptr && parameters == nullptr && directory == nullptr;
        log.push_back((plain ? "open " : "odd open ") + file + " " + std::to_string(showCommand));
    }
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
    {"ContentsAtWelcome", Command::Contents, {"help Help/h.chm 1 'Welcome.htm'"}},
    {"IndexWithNoKeyword", Command::Index, {"help Help/h.chm 2 ''"}},
    {"WebToTheHomePage", Command::Web, {"open " + std::string(product::kHomePage) + " 1"}},
    {"About", Command::About, {"about"}},
    {"Exit", Command::Exit, {"end"}},
};
// clang-format on

class Commands : public testing::TestWithParam<CommandRow> {};

TEST_P(Commands, ReachWhatTheyAreFor)
{
    Recorder recorder;
    description::run(GetParam().command, recorder, {&recorder, &recorder, "Help/h.chm"});
    EXPECT_EQ(recorder.log, GetParam().log);
    recorder.log.clear();
    description::run(GetParam().command, recorder, {}); // without the services, help and web do nothing
    EXPECT_EQ(recorder.log.size(), GetParam().log[0].starts_with("help") || GetParam().log[0].starts_with("open")
                                       ? 0
                                       : GetParam().log.size());
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
