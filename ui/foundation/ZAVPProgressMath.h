// Arithmetic of a progress bar: the filled width and the percentage, in 64 bits so that large
// totals cannot overflow, with the current value clamped to 0 .. total.
#pragma once

namespace ZAVPProgressMath
{
// width x current / total; 0 when the total is not positive.
inline int FilledWidth(int width, int current, int total)
{
    if (total <= 0) return 0;
    const long long clamped = current < 0 ? 0 : (current > total ? total : current);
    return (int)((long long)width * clamped / total);
}

// current x 100 / total; 0 when the total is not positive.
inline int Percent(int current, int total) { return FilledWidth(100, current, total); }
}  // namespace ZAVPProgressMath
