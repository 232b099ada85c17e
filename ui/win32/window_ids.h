#pragma once

// How the Windows front end's windows and controls are known: window classes, control
// IDs and menu command IDs. The Windows-side tests find them by these too.

#include "ui/description/main_form.h"

#include <cstddef>

namespace win32 {

inline constexpr wchar_t kMainClass[] = L"PasserRatingMain";
inline constexpr wchar_t kSplashClass[] = L"PasserRatingSplash";
inline constexpr wchar_t kAboutClass[] = L"PasserRatingAbout";

inline constexpr int kIdOk = 1;     // IDOK: what the dialog manager sends for Enter
inline constexpr int kIdCancel = 2; // IDCANCEL: for Esc

// The ID of the control at `index` in the calculator's control table: the default and
// the cancel button carry the dialog manager's IDs.
constexpr int controlId(std::size_t index)
{
    switch (description::kMainControls[index].role) {
    case description::ButtonRole::Default:
        return kIdOk;
    case description::ButtonRole::Cancel:
        return kIdCancel;
    case description::ButtonRole::None:
        break;
    }
    return 100 + static_cast<int>(index);
}

constexpr int commandId(description::Command command)
{
    return 200 + static_cast<int>(command);
}

// The command of a WM_COMMAND ID: a button's, or a menu item's (Exit is the first
// command, About the last); None for any other.
constexpr description::Command commandOf(int id)
{
    for (std::size_t i = 0; i < description::kMainControls.size(); ++i) {
        if (controlId(i) == id) {
            return description::kMainControls[i].command;
        }
    }
    if (id < commandId(description::Command::Exit) || id > commandId(description::Command::About)) {
        return description::Command::None;
    }
    return static_cast<description::Command>(id - commandId(description::Command::None));
}

} // namespace win32
