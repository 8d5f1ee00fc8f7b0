#pragma once

namespace quelmora {

// Work done while the main window waits for the user's first choice: the
// pictures the calculation windows show are drawn into their caches, the faces
// the windows write in are loaded with their letters, and the memory a window
// takes is made ready, so that the first window opened from the menus does not
// pay for them.

// Queues the work in small steps, each a turn of the event loop, so that a
// click or a key meanwhile is answered at once. Once a run.
void PrepararEnReposo();

} // namespace quelmora
