#pragma once

// How the user's locale writes numbers, as the operating system says it: Windows' locale
// settings, elsewhere the C library's (the environment's LC_NUMERIC, which this sets for
// the process). For the front ends that have no toolkit to ask.

#include "engine/total.h"

namespace platform {

engine::LocaleNumbers userNumbers();

} // namespace platform
