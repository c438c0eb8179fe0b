#pragma once

namespace amp {

// Every layout is given in twips, 15 of which make one logical pixel of the screen.
inline constexpr int kTwipsPerPixel = 15;

// The grid of a graph window's plot area, in twips from its top-left corner, y downwards.

inline constexpr int kPlotAreaWidth = 12255;
inline constexpr int kPlotAreaHeight = 8445;

// The frequency axis: 1 Hz at x = 120, the top of the range 10980 twips further right.
inline constexpr int kFrequencyAxisLeft = 120;
inline constexpr int kFrequencyAxisSpan = 10980;

// The modulus band: zero on the frequency axis, the largest modulus 7500 twips above it.
inline constexpr double kModulusZeroY = 7980.0;
inline constexpr double kModulusFullScale = 7500.0;

// The phase band: 0 degrees at y = 3780, +90 degrees 3000 twips above it.
inline constexpr double kPhaseZeroY = 3780.0;
inline constexpr double kPhaseFullScale = 3000.0;
inline constexpr double kPhaseFullScaleDegrees = 90.0;

// Where decade j of decadeCount ends on the frequency axis (j = 0 is 1 Hz).
constexpr int DecadeTickX(int decadeCount, int j) {
    return kFrequencyAxisLeft + j * kFrequencyAxisSpan / decadeCount;
}

}  // namespace amp
