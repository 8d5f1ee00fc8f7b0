#pragma once

namespace quelmora {

// Work done while the main window waits for the user's first choice: the
// pictures every calculation window shows are drawn into their caches, and the
// forms' face is loaded with its letters, so that the first window opened from
// the menus does not pay for them.

// Queues the work in small steps, each a turn of the event loop, so that a
// click or a key meanwhile is answered at once. Once a run.
void PrepararEnReposo();

} // namespace quelmora
