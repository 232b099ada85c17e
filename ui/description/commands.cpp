#include "ui/description/commands.h"

#include "identity/product.h"
#include "platform/browser.h"
#include "platform/help.h"

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
    case Command::None:
        return;
    case Command::Exit:
        view.endProgram();
        return;
    case Command::Calculate:
        calculate(view);
        return;
    case Command::Reset:
        reset(view);
        return;
    case Command::Contents: // nothing is waited for
        if (services.help != nullptr) {
            services.help->showContents(services.helpFile, kStartTopic);
        }
        return;
    case Command::Index:
        if (services.help != nullptr) {
            services.help->showIndex(services.helpFile);
        }
        return;
    case Command::Web:
        if (services.browser != nullptr) {
            services.browser->open(product::kHomePage);
        }
        return;
    case Command::About:
        view.showAbout();
        return;
    }
}

} // namespace description
