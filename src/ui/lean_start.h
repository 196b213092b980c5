#pragma once
// What the desktop game does at the top of main so that its first window
// comes up sooner. Neither changes what the game does or shows.

#include <thread>

namespace ui {

// Sets the heap up for the game's pictures, before anything is allocated:
// picture and window buffers (a megabyte or two each) come from one heap and
// are reused there, and that heap's first 30 MB are backed by 2 MB pages
// where the system allows it, so a new buffer costs one page fault in 512
// instead of one for each 4 KB page. Decoding threads allocate from the same
// heap. Harmless where huge pages are off: the advice is then ignored.
void PrepareHeap();

// Starts loading the font system (the font configuration, the list of fonts,
// the default face) on a thread of its own, while the game loads its data:
// the main screen's first labels then find it ready. Call once the
// application object exists; the thread must end before it goes, which the
// returned thread's destructor sees to.
std::jthread WarmUpFonts();

}  // namespace ui
