#pragma once

// The texts the windows show, and the year rule of the notices.

#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"

#include <string>
#include <string_view>

namespace description {

// "Version 1.0": the major and minor numbers in plain decimal (minor 10 gives 1.10).
std::string versionText(int major, int minor);

// The copyright notice; in any year but 2005 its single year becomes a range up to the
// given year ("2005 - 2026").
std::string copyrightNotice(int currentYear);

// The About window's caption.
std::string aboutCaption();

inline constexpr char kLegalWarning[] =
    "Warning: this computer program is protected by copyright law. Unauthorized reproduction "
    "or distribution of this program, or any portion of it, may result in civil and criminal "
    "penalties.";

// What the user is told when no web browser could be started for `address`.
std::string noBrowserMessage(const std::string& address);

// A label's text as the window is designed: the notice with its single year, and the
// version fixed at 1.0.
std::string designText(LabelText text);

// What a label filled when its window loads shows: the build's version, the notice for
// this year; any other its designed text.
std::string loadedText(LabelText text, int currentYear, int versionMajor, int versionMinor);

// How a menu shows a shortcut, which is also how Qt reads a key sequence: "Ctrl+L", "F1";
// empty for none.
std::string shortcutText(const Shortcut& shortcut);

// A caption as a screen reader speaks it: no access-key marker, no closing colon.
std::string spokenName(std::string_view caption);

} // namespace description
