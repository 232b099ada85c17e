#include "ui/description/texts.h"

#include "identity/product.h"

namespace description {
namespace {

constexpr int kFirstYear = 2005;

} // namespace

std::string versionText(int major, int minor)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor);
}

std::string copyrightNotice(int currentYear)
{
    std::string years = std::to_string(kFirstYear);
    if (currentYear != kFirstYear) {
        years += " - " + std::to_string(currentYear);
    }
    return "Copyright \u00A9 " + years + " " + product::kCompany;
}

std::string aboutCaption()
{
    return std::string("About ") + product::kTitle;
}

std::string noBrowserMessage(const std::string& address)
{
    return "No web browser could be started for this address. You can copy it into a browser yourself:\n\n" + address;
}

std::string designText(LabelText text)
{
    switch (text) {
    case LabelText::Company:
        return product::kCompany;
    case LabelText::ProductName:
        return product::kProductName;
    case LabelText::Version:
        return versionText(1, 0); // the designed window's, whatever the build's version
    case LabelText::Copyright:
        return copyrightNotice(kFirstYear);
    case LabelText::Warning:
        return kLegalWarning;
    }
    return {};
}

} // namespace description
