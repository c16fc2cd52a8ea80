#pragma once

namespace marrowby {

// What a numeric camera edit does with a value after a take-in.
enum class Correction {
    None,
    VideoLength,  // 0 or above 60 becomes 10
    Hour,         // above 23 becomes 0
    MinuteSecond, // above 59 becomes 0
    Interval,     // the interval rules with the unit list
    // Degrees of a geographic coordinate (longitude 0..180, latitude 0..90), linked
    // to its minutes and seconds: above the bound the degrees become the bound; at
    // the bound the minutes and seconds become 0.
    Degrees,
    // Minutes or seconds of a coordinate, linked to its degrees: at the degrees'
    // bound any value becomes 0, otherwise a value above 59 becomes 59.
    ArcMinuteSecond,
};

// What a correction reads besides the value itself.
struct CorrectionInputs {
    int intervalUnit = -1; // Interval: the unit list's selection (0 seconds, 1 minutes)
    int bound = 0;         // Degrees: its own bound; ArcMinuteSecond: its degrees' bound
    int degrees = 0;       // ArcMinuteSecond: the value of its degrees
};

struct CorrectedValue {
    int value = 0;
    bool clearLinked = false; // Degrees at the bound: its minutes and seconds become 0

    bool operator==(const CorrectedValue &) const = default;
};

CorrectedValue correctValue(Correction correction, int value, const CorrectionInputs &inputs);

} // namespace marrowby
