#pragma once

#include <QString>

namespace ui {

// "Version 1.0": the major and minor numbers in plain decimal (minor 10 gives 1.10).
QString versionText(int major, int minor);

// The copyright notice; in any year but 2005 its single year becomes a range up to the
// given year ("2005 - 2026").
QString copyrightNotice(int currentYear);

// The legal warning shown beside the notice.
QString legalWarning();

} // namespace ui
