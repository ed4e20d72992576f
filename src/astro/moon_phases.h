// Moon phases, the moon's age and its illuminated fraction.
#pragma once

namespace tempulo {

// Phase kinds count eighths of a lunation: 0 new moon, 2 first quarter,
// 4 full moon, 6 last quarter.
double PreviousMoonPhase(int kind, double dateValue);
double NextMoonPhase(int kind, double dateValue);
// Days since the last new moon, in [0, 29.530589).
long double MoonAge(double dateValue);
// 0..1.
long double MoonIlluminatedFraction(double dateValue);

}  // namespace tempulo
