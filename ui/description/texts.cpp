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

std::string loadedText(LabelText text, int currentYear, int versionMajor, int versionMinor)
{
    switch (text) {
    case LabelText::Version:
        return versionText(versionMajor, versionMinor);
    case LabelText::Copyright:
        return copyrightNotice(currentYear);
    default:
        return designText(text);
    }
}

std::string shortcutText(const Shortcut& shortcut)
{
    if (shortcut.functionKey != 0) {
        return "F" + std::to_string(shortcut.functionKey);
    }
    return shortcut.letter != 0 ? std::string(shortcut.ctrl ? "Ctrl+" : "") + shortcut.letter : std::string();
}

std::string spokenName(std::string_view caption)
{
    std::string spoken;
    for (const char c : caption) {
        if (c != '&') {
            spoken += c;
        }
    }
    if (spoken.ends_with(':')) {
        spoken.pop_back();
    }
    return spoken;
}

} // namespace description
