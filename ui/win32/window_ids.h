#pragma once

// How the Windows front end's windows and controls are known: window classes, control
// IDs and menu command IDs. The Windows-side tests find them by these too.

#include "ui/description/main_form.h"

#include <optional>

namespace win32 {

inline constexpr wchar_t kMainClass[] = L"PasserRatingMain";
inline constexpr wchar_t kSplashClass[] = L"PasserRatingSplash";
inline constexpr wchar_t kAboutClass[] = L"PasserRatingAbout";

inline constexpr int kIdOk = 1;     // IDOK: what the dialog manager sends for Enter
inline constexpr int kIdCancel = 2; // IDCANCEL: for Esc

// The ID of the control at `index` in the calculator's control table: Calculate is the
// default button and Reset the cancel button, so they carry the dialog manager's IDs.
constexpr int controlId(std::size_t index)
{
    if (index == description::kBtnCalculate) {
        return kIdOk;
    }
    if (index == description::kBtnReset) {
        return kIdCancel;
    }
    return 100 + static_cast<int>(index);
}

constexpr int commandId(description::Command command)
{
    return 200 + static_cast<int>(command);
}

// The menu command of an ID, if it is one (Exit is the first command, About the last).
constexpr std::optional<description::Command> commandOf(int id)
{
    if (id < commandId(description::Command::Exit) || id > commandId(description::Command::About)) {
        return std::nullopt;
    }
    return static_cast<description::Command>(id - commandId(description::Command::Exit));
}

} // namespace win32
