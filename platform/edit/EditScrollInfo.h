#pragma once

// What a scroll bar reads of a scrolled view: the range Min..Max, the page (how much is seen at
// once) and the position (the first unit seen). Units are visual lines vertically and pixels
// horizontally.
struct TEditScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    bool operator==(const TEditScrollInfo&) const = default;
};

// Scroll requests of a scroll bar; the values are the platform's scroll notification codes.
enum TEditScrollCode {
    escLineUp = 0,
    escLineDown = 1,
    escPageUp = 2,
    escPageDown = 3,
    escPosition = 4,
    escTrack = 5,
    escTop = 6,
    escBottom = 7,
    escEndScroll = 8,
};
