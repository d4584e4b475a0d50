#pragma once
// Report lengths: whole hundredths of a millimetre, so every size of the layout is exact and the
// fit rule compares integers. Conversions to points and device pixels live here too.

#include <cmath>

namespace report {

using Length = int;  // hundredths of a millimetre

// A length given in millimetres with at most two decimals ("79.64").
constexpr Length mm(double millimetres) {
    return static_cast<Length>(millimetres * 100.0 + (millimetres >= 0 ? 0.5 : -0.5));
}

constexpr double kHundredthsPerInch = 2540.0;

// A font size in points as a height in hundredths of a millimetre (1 pt = 1/72 in).
inline double pointsToLength(double points) { return points * kHundredthsPerInch / 72.0; }

// Device pixels per hundredth of a millimetre at `dotsPerInch`.
inline double deviceScale(double dotsPerInch) { return dotsPerInch / kHundredthsPerInch; }

}  // namespace report
