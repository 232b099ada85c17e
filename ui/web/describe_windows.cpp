// Prints the windows as designed, as JSON, for the site's build (site.mjs); with
// --sitemap, the help's contents or index read from standard input instead. A WASI
// command, so the page's module carries none of it.
#include "ui/web/description_json.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

int main(int argc, char* argv[])
{
    std::string json;
    if (argc > 1 && std::string_view(argv[1]) == "--sitemap") {
        std::string html;
        char buffer[4096];
        for (std::size_t read = 0; (read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
            html.append(buffer, read);
        }
        json = web::describeSitemap(html);
    } else {
        json = web::describeWindows();
    }
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}
