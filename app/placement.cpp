#include "placement.h"

namespace {
long long Overlap(long long a0, long long a1, long long b0, long long b1) {
    const long long from = a0 > b0 ? a0 : b0, to = a1 < b1 ? a1 : b1;
    return to > from ? to - from : 0;
}

// Nearest to `at` such that [at, at + size) lies in [from, to); the start when it cannot fit.
long long Fit(long long at, long long size, long long from, long long to) {
    if (at > to - size) at = to - size;
    return at < from ? from : at;
}
}  // namespace

Corner PlaceInReach(long x, long y, long width, long height, const Span& caption, const Monitor* monitors,
                    std::size_t count) {
    const Span window = {x, y, static_cast<long long>(x) + width, static_cast<long long>(y) + height};
    const Span bar = {x + caption.left, y + caption.top, x + caption.right, y + caption.bottom};
    const Monitor* most = nullptr;
    long long mostArea = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Span& work = monitors[i].work;
        if (bar.top >= work.top && bar.bottom <= work.bottom &&
            3 * Overlap(bar.left, bar.right, work.left, work.right) >= bar.right - bar.left)
            return {x, y};
        const Span& area = monitors[i].area;
        const long long shared = Overlap(window.left, window.right, area.left, area.right) *
                                 Overlap(window.top, window.bottom, area.top, area.bottom);
        if (shared > mostArea) most = &monitors[i], mostArea = shared;
    }
    if (most == nullptr) return {0, 0};
    const Span& work = most->work;
    return {static_cast<long>(Fit(x, width, work.left, work.right)),
            static_cast<long>(Fit(y, height, work.top, work.bottom))};
}
