// Where the dialog opens: the saved corner, unless that leaves no caption to grab. Window-free.
#pragma once
#include <cstddef>

// A rectangle in screen pixels, wide enough that no sum of stored values overflows.
struct Span {
    long long left, top, right, bottom;
};

struct Monitor {
    Span area;  // the whole screen
    Span work;  // without taskbars and docked bars
};

struct Corner {
    long x, y;
};

// A window of width x height asked at (x, y), whose caption bar lies at `caption` from its corner:
// kept as asked while a third of the caption's width, at its full height, is on one monitor's work
// area; at (0, 0) when the window touches no monitor at all; otherwise moved wholly into the work
// area of the monitor it overlaps most, as near as it fits to where it was asked.
Corner PlaceInReach(long x, long y, long width, long height, const Span& caption, const Monitor* monitors,
                    std::size_t count);
