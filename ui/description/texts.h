#pragma once

// The texts the windows show, and the year rule of the notices.

#include "ui/description/startup_forms.h"

#include <string>

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
// version fixed at 1.0 (the splash window writes its own when it loads).
std::string designText(LabelText text);

} // namespace description
