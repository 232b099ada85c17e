#pragma once

// The calculator window frmPasserRating as designed: its controls in tab order, its menu
// bar, and which entry field holds which total. Both front ends build from these tables.

#include "engine/rating.h"
#include "ui/description/twips.h"

#include <array>
#include <iterator>
#include <string_view>

namespace description {

enum class ControlKind { Label, CountEntry, YardsEntry, Result, Button, Option };

struct Control {
    ControlKind kind;
    const char* name;
    const char* caption; // "&" marks the access key
    TwipsRect rect;
};

inline constexpr TwipsSize kMainClientSize{5730, 3495};
inline constexpr double kWindowFontPoints = 8.25;
inline constexpr char kWindowFontFamily[] = "Comic Sans MS";

// In tab order. A label's access key focuses the control after it.
inline constexpr std::array kMainControls{
    Control{ControlKind::Label, "lblCompletions", "Pass &Completions:", {120, 240, 1455, 255}},
    Control{ControlKind::CountEntry, "txtCompletions", "", {1800, 240, 855, 330}},
    Control{ControlKind::Label, "lblAttempts", "&Pass Attempts:", {120, 720, 1455, 255}},
    Control{ControlKind::CountEntry, "txtAttempts", "", {1800, 720, 855, 330}},
    Control{ControlKind::Label, "lblYards", "Passing &Yards:", {120, 1200, 1455, 255}},
    Control{ControlKind::YardsEntry, "txtYards", "", {1800, 1200, 855, 330}},
    Control{ControlKind::Label, "lblTouchdowns", "&Touchdowns:", {120, 1680, 1455, 255}},
    Control{ControlKind::CountEntry, "txtTouchdowns", "", {1800, 1680, 855, 330}},
    Control{ControlKind::Label, "lblInterceptions", "&Interceptions:", {120, 2160, 1455, 255}},
    Control{ControlKind::CountEntry, "txtInterceptions", "", {1800, 2160, 855, 330}},
    Control{ControlKind::Button, "btnCalculate", "Calculate", {360, 2640, 1335, 615}},
    Control{ControlKind::Result, "txtPasserRating", "", {4440, 1200, 975, 330}},
    Control{ControlKind::Label, "Label1", "Passer Rating:", {3120, 1200, 1215, 255}},
    Control{ControlKind::Button, "btnReset", "Reset", {2160, 2640, 1335, 615}},
    Control{ControlKind::Button, "btnExit", "Exit", {3960, 2640, 1335, 615}},
    Control{ControlKind::Option, "optNFL", "NF&L", {3120, 240, 975, 375}},
    Control{ControlKind::Option, "optNCAA", "&NCAA", {4440, 240, 1095, 375}},
};

// Not constexpr: a constant evaluation that reaches it does not compile.
inline std::size_t noSuchControl()
{
    return kMainControls.size();
}

// The index in kMainControls of the control named `name`; a name not in the table does
// not compile (and builds without exceptions have no throw to say so).
consteval std::size_t controlIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kMainControls.size(); ++i) {
        if (kMainControls[i].name == name) {
            return i;
        }
    }
    return noSuchControl();
}

inline constexpr std::size_t kTxtCompletions = controlIndex("txtCompletions");
inline constexpr std::size_t kTxtAttempts = controlIndex("txtAttempts");
inline constexpr std::size_t kTxtYards = controlIndex("txtYards");
inline constexpr std::size_t kTxtTouchdowns = controlIndex("txtTouchdowns");
inline constexpr std::size_t kTxtInterceptions = controlIndex("txtInterceptions");
inline constexpr std::size_t kBtnCalculate = controlIndex("btnCalculate");
inline constexpr std::size_t kTxtPasserRating = controlIndex("txtPasserRating");
inline constexpr std::size_t kLabel1 = controlIndex("Label1");
inline constexpr std::size_t kBtnReset = controlIndex("btnReset");
inline constexpr std::size_t kBtnExit = controlIndex("btnExit");
inline constexpr std::size_t kOptNFL = controlIndex("optNFL");
inline constexpr std::size_t kOptNCAA = controlIndex("optNCAA");

// The entry fields in the order Calculate reads them (engine::Field).
inline constexpr std::array<std::size_t, engine::kFieldCount> kEntryControls{kTxtAttempts, kTxtCompletions, kTxtYards,
                                                                             kTxtTouchdowns, kTxtInterceptions};

// What a typed character may put into an entry field: Backspace (8) and the digits in
// every one, "-" and "." in the yards field too. Everything else is dropped, the control
// codes of Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z included; pasted text is not filtered.
constexpr bool acceptsTyped(ControlKind field, char32_t code)
{
    if (code == 8 || (code >= '0' && code <= '9')) {
        return true;
    }
    return field == ControlKind::YardsEntry && (code == '-' || code == '.');
}

// What a menu item does; the front ends give each its handler.
enum class Command { Exit, Calculate, Reset, Contents, Index, Web, About };

enum class Key { None, F1, F3, CtrlL, CtrlT };

struct MenuItem {
    const char* name;
    const char* caption;
    Key shortcut;
    Command command;
};

struct Menu {
    const char* name;
    const char* caption;
    const MenuItem* items;
    std::size_t count;
};

inline constexpr MenuItem kFileItems[]{{"mnuExit", "E&xit", Key::F3, Command::Exit}};
inline constexpr MenuItem kActionItems[]{
    {"mnuCalculate", "&Calculate", Key::CtrlL, Command::Calculate},
    {"mnuReset", "&Reset", Key::CtrlT, Command::Reset},
};
inline constexpr MenuItem kHelpItems[]{
    {"mnuContents", "&Contents", Key::F1, Command::Contents},
    {"mnuIndex", "&Index", Key::None, Command::Index},
    {"mnuMorvalenite", "Morvalenite Software on the &Web...", Key::None, Command::Web},
    {"mnuAbout", "&About...", Key::None, Command::About},
};
inline constexpr std::array kMenus{
    Menu{"mnuFile", "&File", kFileItems, std::size(kFileItems)},
    Menu{"mnuAction", "&Action", kActionItems, std::size(kActionItems)},
    Menu{"mnuHelp", "&Help", kHelpItems, std::size(kHelpItems)},
};

} // namespace description
