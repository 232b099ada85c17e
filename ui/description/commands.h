#pragma once

// The calculator's commands, written once. Each front end runs a button's or a menu
// item's Command (main_form.h) here, over its window and the platform's help and browser:
//   Calculate -> the calculate flow          Reset -> reset()
//   Contents, Index -> the help              Web -> the browser, at the home page
//   About, Exit -> the window's own modal About window and the program's end

#include "ui/description/calculate_flow.h"
#include "ui/description/main_form.h"

#include <string>

namespace platform {
class Browser;
class Help;
} // namespace platform

namespace description {

// What the commands need of the window beyond what Calculate reads and writes.
class CommandView : public CalculatorView {
  public:
    virtual void showAbout() = 0;  // modal, owned by the window; returns once closed
    virtual void endProgram() = 0; // at once, asking nothing
};

// The topic the help opens on.
inline constexpr char kStartTopic[] = "Welcome.htm";

// The platform's services the commands hand their work to; one left empty does nothing.
struct PlatformServices {
    platform::Help* help = nullptr;
    platform::Browser* browser = nullptr;
    std::string helpFile; // where the help file lies
};

// Clears the five entry fields in the order Calculate reads them, then the rating.
void reset(CalculatorView& view);

void run(Command command, CommandView& view, const PlatformServices& services);

} // namespace description
