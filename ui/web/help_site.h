#pragma once

// The help on the site: the topics are pages in one folder, beside an index page of their
// own that the site's writer makes from the help's index.

namespace web {

inline constexpr char kHelpFolder[] = "help/";
inline constexpr char kHelpIndexPage[] = "Index.htm";

} // namespace web
