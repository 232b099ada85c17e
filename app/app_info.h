#pragma once

// The program's title and version numbers, shared by every window.

namespace app {

inline constexpr char kTitle[] = "Morvalenite Passer Rating Calculator";
inline constexpr char kCompanyName[] = "Morvalenite";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

} // namespace app
