#include "ui/description/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using description::Command;

// A window writing down what it was asked.
class Recorder final : public description::CommandView {
  public:
    std::vector<std::string> entries;
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
    [[nodiscard]] engine::Formula chosenFormula() const override { return engine::Formula::Professional; }
    [[nodiscard]] engine::LocaleNumbers localeNumbers() const override { return {}; } // a locale that names none
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void showAbout() override { log.emplace_back("about"); }
    void endProgram() override { log.emplace_back("end"); }
};

// What each command does is met through every front end's suite; these two are the
// description's own.
TEST(Commands, WithoutTheirServicesHelpAndWebDoNothing)
{
    Recorder recorder;
    for (const Command command : {Command::Contents, Command::Index, Command::Web}) {
        description::run(command, recorder, {});
    }
    EXPECT_TRUE(recorder.log.empty());
}

TEST(Calculate, WritesZeroIntoTheEmptyFieldsReadBeforeARefusal)
{
    Recorder recorder;
    recorder.entries = {"10", "", "x", "", ""};
    description::run(Command::Calculate, recorder, {});
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"entry 1 '0'", "message The Yards field contains an error."}));
}

} // namespace
