#include "ui/lean_start.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>

namespace ui {

void PrepareHeap() {
    // Large blocks from the heap rather than mapped fresh each time, and the
    // heap kept when they are freed: a picture freed now is the next one's
    // memory, already faulted in.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    // Threads would each get a heap of their own, not advised below.
    mallopt(M_ARENA_MAX, 1);
    // Growing the heap by a block at once and giving it back leaves the
    // heap's top in place, untouched: advised now, its pages come 2 MB at a
    // time when first written.
    constexpr std::size_t reserve = std::size_t(30) << 20;
    constexpr std::uintptr_t huge = std::uintptr_t(2) << 20;
    void* block = std::malloc(reserve);
    if (!block) return;
    const auto at = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t from = (at + huge - 1) & ~(huge - 1);
    const std::uintptr_t to = (at + reserve) & ~(huge - 1);
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    std::free(block);
}

std::jthread WarmUpFonts() {
    return std::jthread([font = QApplication::font()]() mutable {
        // The main screen's title: bold, Cyrillic.
        font.setPixelSize(16);
        font.setBold(true);
        (void)QFontMetrics(font).horizontalAdvance(QStringLiteral("Лесное озеро"));
    });
}

}  // namespace ui
