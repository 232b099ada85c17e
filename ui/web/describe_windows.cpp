// Prints the windows as designed, as JSON, for the site's build (site.mjs); a WASI
// command, so the page's module carries none of it.
#include "ui/web/description_json.h"

#include <cstdio>

int main()
{
    const std::string json = web::describeWindows();
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}
