// Where the help file lies, the same on every system.

#include "platform/help.h"

#include "identity/product.h"

namespace platform {

std::string helpFilePath()
{
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    return programFolder() + kSeparator + "Help" + kSeparator + product::kHelpFileName;
}

} // namespace platform
