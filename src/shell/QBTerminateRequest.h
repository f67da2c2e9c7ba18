#pragma once
// A terminate signal asks the viewer to close. Its handler may do next to nothing (no allocation, no
// lock, no event), so it raises this flag and wakes the event loop; long work that does not return to
// the event loop for a while (a load, a search) looks at the flag at its next check and stops there,
// and the window then closes as the event loop hears of the signal.

namespace qbterminate {

// Async-signal-safe: called from the signal handler.
void Request() noexcept;
bool Requested() noexcept;
// Tests only: the flag is lowered again.
void Reset() noexcept;

}  // namespace qbterminate
