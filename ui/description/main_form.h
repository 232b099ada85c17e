#pragma once

// The calculator window frmPasserRating as designed: its controls in tab order, its menu
// bar, what each button and menu item does, and which entry field holds which total.
// Every front end builds from these tables.

#include "engine/rating.h"
#include "ui/description/twips.h"

#include <array>
#include <iterator>
#include <string_view>

namespace description {

enum class ControlKind { Label, CountEntry, YardsEntry, Result, Button, Option };

// What a button or a menu item does; each front end runs it through run() (commands.h).
enum class Command { None, Exit, Calculate, Reset, Contents, Index, Web, About };

// Enter presses the window's default button and Esc its cancel button, wherever the
// focus is, but for a focused button, which takes Enter itself.
enum class ButtonRole { None, Default, Cancel };

struct Control {
    ControlKind kind;
    const char* name;
    const char* caption; // "&" marks the access key
    TwipsRect rect;
    Command command = Command::None; // a button's
    ButtonRole role = ButtonRole::None;
    engine::Formula formula = engine::Formula::Professional; // an option's: the one it chooses
    bool chosenAtStart = false;                              // an option's: chosen as the window opens
};

inline constexpr char kMainFormName[] = "frmPasserRating";
inline constexpr TwipsSize kMainClientSize{5730, 3495};
inline constexpr double kWindowFontPoints = 8.25;
inline constexpr char kWindowFontFamily[] = "Comic Sans MS";
inline constexpr char kSubstituteFontFamily[] = "Comic Neue"; // where the face is missing

// In tab order. A label's access key focuses the control after it.
// clang-format off
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
    Control{ControlKind::Button, "btnCalculate", "Calculate", {360, 2640, 1335, 615}, Command::Calculate, ButtonRole::Default},
    Control{ControlKind::Result, "txtPasserRating", "", {4440, 1200, 975, 330}},
    Control{ControlKind::Label, "Label1", "Passer Rating:", {3120, 1200, 1215, 255}},
    Control{ControlKind::Button, "btnReset", "Reset", {2160, 2640, 1335, 615}, Command::Reset, ButtonRole::Cancel},
    Control{ControlKind::Button, "btnExit", "Exit", {3960, 2640, 1335, 615}, Command::Exit},
    Control{.kind = ControlKind::Option, .name = "optNFL", .caption = "NF&L", .rect = {3120, 240, 975, 375},
            .formula = engine::Formula::Professional, .chosenAtStart = true},
    Control{.kind = ControlKind::Option, .name = "optNCAA", .caption = "&NCAA", .rect = {4440, 240, 1095, 375},
            .formula = engine::Formula::College},
};
// clang-format on

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
inline constexpr std::size_t kBtnReset = controlIndex("btnReset");
inline constexpr std::size_t kBtnExit = controlIndex("btnExit");
inline constexpr std::size_t kOptNFL = controlIndex("optNFL");
inline constexpr std::size_t kOptNCAA = controlIndex("optNCAA");

// The control that has the focus as the window opens: the first field, the top one.
inline constexpr std::size_t kFirstFocus = kTxtCompletions;

// The first option, where the options' group begins.
consteval std::size_t firstOption()
{
    for (std::size_t i = 0; i < kMainControls.size(); ++i) {
        if (kMainControls[i].kind == ControlKind::Option) {
            return i;
        }
    }
    return noSuchControl();
}
inline constexpr std::size_t kFirstOption = firstOption();

// The option that chooses `formula`.
constexpr std::size_t optionFor(engine::Formula formula)
{
    for (std::size_t i = 0; i < kMainControls.size(); ++i) {
        if (kMainControls[i].kind == ControlKind::Option && kMainControls[i].formula == formula) {
            return i;
        }
    }
    return noSuchControl();
}

// The label that names a field, which screen readers speak as the field's name: the one
// before an entry field, the one after the result field (Label1 stands after the rating in
// the tab order). No label for other controls: they carry their own captions.
constexpr std::size_t labelOf(std::size_t field)
{
    switch (kMainControls[field].kind) {
    case ControlKind::CountEntry:
    case ControlKind::YardsEntry:
        return field - 1;
    case ControlKind::Result:
        return field + 1;
    default:
        return kMainControls.size();
    }
}

// The entry fields in the order Calculate reads them (engine::Field).
inline constexpr std::array<std::size_t, engine::kFieldCount> kEntryControls{kTxtAttempts, kTxtCompletions, kTxtYards,
                                                                             kTxtTouchdowns, kTxtInterceptions};

// What typing may put into an entry field, besides Backspace: the digits in every one,
// "-" and "." in the yards field too. Everything else is dropped, the control codes of
// the Ctrl letters below included; pasted text is not filtered. The web page
// gets these characters as data, so its fields take typing before its engine arrives.
constexpr std::string_view typedCharacters(ControlKind field)
{
    return field == ControlKind::YardsEntry ? "0123456789-." : "0123456789";
}

// The letters whose Ctrl chords a field drops, as it drops their control characters,
// where a browser or a system would select all, copy, paste, cut or undo with them.
inline constexpr std::string_view kCtrlLettersDropped = "ACVXZ";

constexpr bool acceptsTyped(ControlKind field, char32_t code)
{
    return code == 8 || (code < 0x80 && typedCharacters(field).find(static_cast<char>(code)) != std::string_view::npos);
}

// The longest text a paste (or a page's address) may put into an entry field; a longer
// one is refused whole. No total needs more, and megabytes in a field stall the window.
inline constexpr std::size_t kMaxPasteCharacters = 32767;

// The index of the button with `role`; every window has one of each.
consteval std::size_t buttonWith(ButtonRole role)
{
    for (std::size_t i = 0; i < kMainControls.size(); ++i) {
        if (kMainControls[i].role == role) {
            return i;
        }
    }
    return noSuchControl();
}

inline constexpr std::size_t kDefaultButton = buttonWith(ButtonRole::Default);
inline constexpr std::size_t kCancelButton = buttonWith(ButtonRole::Cancel);

// A menu item's key: a function key, or Ctrl with a letter; neither for none.
struct Shortcut {
    bool ctrl = false;
    char letter = 0;     // 'L'; 0 for a function key
    int functionKey = 0; // 1 for F1; 0 for a letter

    [[nodiscard]] constexpr bool exists() const { return letter != 0 || functionKey != 0; }
};

inline constexpr Shortcut kNoShortcut{};
inline constexpr Shortcut kF1{.functionKey = 1};
inline constexpr Shortcut kF3{.functionKey = 3};
inline constexpr Shortcut kCtrlL{.ctrl = true, .letter = 'L'};
inline constexpr Shortcut kCtrlT{.ctrl = true, .letter = 'T'};

struct MenuItem {
    const char* name;
    const char* caption;
    Shortcut shortcut;
    Command command;
};

struct Menu {
    const char* name;
    const char* caption;
    const MenuItem* items;
    std::size_t count;
};

inline constexpr MenuItem kFileItems[]{{"mnuExit", "E&xit", kF3, Command::Exit}};
inline constexpr MenuItem kActionItems[]{
    {"mnuCalculate", "&Calculate", kCtrlL, Command::Calculate},
    {"mnuReset", "&Reset", kCtrlT, Command::Reset},
};
inline constexpr MenuItem kHelpItems[]{
    {"mnuContents", "&Contents", kF1, Command::Contents},
    {"mnuIndex", "&Index", kNoShortcut, Command::Index},
    {"mnuMorvalenite", "Morvalenite Software on the &Web...", kNoShortcut, Command::Web},
    {"mnuAbout", "&About...", kNoShortcut, Command::About},
};
inline constexpr std::array kMenus{
    Menu{"mnuFile", "&File", kFileItems, std::size(kFileItems)},
    Menu{"mnuAction", "&Action", kActionItems, std::size(kActionItems)},
    Menu{"mnuHelp", "&Help", kHelpItems, std::size(kHelpItems)},
};

} // namespace description
