#include "../engine/row_name.h"
#include "identity/product.h"
#include "platform/html_help.h"
#include "platform/shell.h"
#include "ui/description/commands.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using description::Command;
using rows::operator<<;

// A window, the help viewer and the shell that write down what they were asked.
class RecordingView final : public description::CommandView {
  public:
    std::array<std::string, engine::kFieldCount> entries{"10", "5", "50", "1", "0"};
    std::string rating = "86";
    std::vector<std::string> log; // what happened, in order

    [[nodiscard]] std::string entryText(engine::Field field) const override
    {
        return entries[static_cast<std::size_t>(field)];
    }
    void setEntryText(engine::Field field, std::string_view text) override
    {
        entries[static_cast<std::size_t>(field)] = text;
        log.push_back("entry " + std::to_string(static_cast<int>(field)) + " '" + std::string(text) + "'");
    }
    void setRatingText(std::string_view text) override
    {
        rating = text;
        log.push_back("rating '" + std::string(text) + "'");
    }
    [[nodiscard]] bool professionalSelected() const override { return true; }
    [[nodiscard]] std::string decimalSeparator() const override { return {}; }
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void showAbout() override { log.emplace_back("about"); }
    void endProgram() override { log.emplace_back("end"); }
};

class RecordingServices final : public platform::HtmlHelp, public platform::Shell {
  public:
    std::vector<std::string> log;

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
    std::vector<std::string> window;   // what the window was asked
    std::vector<std::string> services; // what the help viewer and the shell were asked
};

const std::string kHelp = "C:/Program/Help/help.chm";

// clang-format off
const CommandRow kCommandRows[] = {
    {"Calculate", Command::Calculate, {"rating '97.9'"}, {}},
    {"ResetEntriesInReadingOrderThenRating", Command::Reset, {"entry 0 ''", "entry 1 ''", "entry 2 ''", "entry 3 ''", "entry 4 ''", "rating ''"}, {}},
    {"Contents", Command::Contents, {}, {"help " + kHelp + " 1 'Welcome.htm'"}},
    {"Index", Command::Index, {}, {"help " + kHelp + " 2 ''"}},
    {"Web", Command::Web, {}, {"open " + std::string(product::kHomePage) + " 1"}},
    {"About", Command::About, {"about"}, {}},
    {"Exit", Command::Exit, {"end"}, {}},
};
// clang-format on

class Commands : public testing::TestWithParam<CommandRow> {};

TEST_P(Commands, ReachWhatTheyAreFor)
{
    RecordingView view;
    RecordingServices services;
    description::run(GetParam().command, view, {&services, &services, kHelp});
    EXPECT_EQ(view.log, GetParam().window);
    EXPECT_EQ(services.log, GetParam().services);
}

INSTANTIATE_TEST_SUITE_P(Every, Commands, testing::ValuesIn(kCommandRows), RowName());

TEST(Commands, WithoutServicesDoNothing)
{
    RecordingView view;
    for (const Command command : {Command::Contents, Command::Index, Command::Web}) {
        description::run(command, view, {});
    }
    EXPECT_TRUE(view.log.empty());
}

} // namespace
