#include "ui/startup/notices.h"

#include "app/app_info.h"

namespace ui {
namespace {

constexpr int kFirstYear = 2005;

} // namespace

QString versionText(int major, int minor)
{
    return QStringLiteral("Version %1.%2").arg(major).arg(minor);
}

QString copyrightNotice(int currentYear)
{
    QString years = QString::number(kFirstYear);
    if (currentYear != kFirstYear) {
        years += QStringLiteral(" - ") + QString::number(currentYear);
    }
    return QStringLiteral("Copyright \u00A9 %1 %2")
        .arg(years, QString::fromUtf8(app::kCompanyName));
}

QString legalWarning()
{
    return QStringLiteral("Warning: this computer program is protected by copyright law. "
                          "Unauthorized reproduction or distribution of this program, or any "
                          "portion of it, may result in civil and criminal penalties.");
}

} // namespace ui
