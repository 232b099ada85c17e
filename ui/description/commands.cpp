#include "ui/description/commands.h"

#include "identity/product.h"
#include "platform/html_help.h"
#include "platform/shell.h"

namespace description {

void reset(CalculatorView& view)
{
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        view.setEntryText(static_cast<engine::Field>(i), {});
    }
    view.setRatingText({});
}

void run(Command command, CommandView& view, const PlatformServices& services)
{
    switch (command) {
    case Command::Exit:
        view.endProgram();
        return;
    case Command::Calculate:
        calculate(view);
        return;
    case Command::Reset:
        reset(view);
        return;
    case Command::Contents: // the start topic on the Contents tab; nothing is waited for
        if (services.htmlHelp != nullptr) {
            services.htmlHelp->HtmlHelpA(nullptr, services.helpFile, platform::kDisplayToc, "Welcome.htm");
        }
        return;
    case Command::Index: // the Index tab, no keyword chosen
        if (services.htmlHelp != nullptr) {
            services.htmlHelp->HtmlHelpA(nullptr, services.helpFile, platform::kDisplayIndex, {});
        }
        return;
    case Command::Web:
        if (services.shell != nullptr) {
            platform::HyperJump(*services.shell, product::kHomePage);
        }
        return;
    case Command::About:
        view.showAbout();
        return;
    }
}

} // namespace description
