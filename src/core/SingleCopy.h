#pragma once

// One copy of the program runs in a user's session. A start that finds one running ends
// at once; only the copy the organizers' restart starts, while the old copy is still
// ending, waits for it first. A plain second start must not wait: the user who started
// it would see nothing happen for as long.

#include <string_view>

namespace kromelik {

// The argument the restart starts the new copy with.
inline constexpr std::string_view kRestartArgument = "/restart";
// How long that copy waits for the old one to end before it counts as a second copy.
inline constexpr int kRestartWaitMilliseconds = 10000;

}  // namespace kromelik
