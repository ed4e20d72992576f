// SPDX-License-Identifier: GPL-3.0-or-later
// Periodic corrections of the mean lunar phase, 25 terms each for new moon,
// full moon and the quarters: coefficient in days and the multipliers of M,
// M', F and Omega in the sine's argument. Generated from the published
// tables; do not edit.
#pragma once

#include <array>
#include <cstdint>

namespace tempulo::moon_phase_terms {

struct PhaseTerm {
  long double coefficient;  // days
  std::int8_t m;            // sun's mean anomaly
  std::int8_t mPrime;       // moon's mean anomaly
  std::int8_t f;            // argument of latitude
  std::int8_t omega;        // longitude of the ascending node
};

inline constexpr std::array<PhaseTerm, 25> kNewMoon = {{
    {-0.40720L, 0, 1, 0, 0}, {0.17241L, 1, 0, 0, 0},   {0.01608L, 0, 2, 0, 0},    {0.01039L, 0, 0, 2, 0},
    {0.00739L, -1, 1, 0, 0}, {-0.00514L, 1, 1, 0, 0},  {0.00208L, 2, 0, 0, 0},    {-0.00111L, 0, 1, -2, 0},
    {-0.00057L, 0, 1, 2, 0}, {0.00056L, 1, 2, 0, 0},   {-0.00042L, 0, 3, 0, 0},   {0.00042L, 1, 0, 2, 0},
    {0.00038L, 1, 0, -2, 0}, {-0.00024L, -1, 2, 0, 0}, {-0.00017L, 0, 0, 0, 1},   {-0.00007L, 2, 1, 0, 0},
    {0.00004L, 0, 2, -2, 0}, {0.00004L, 3, 0, 0, 0},   {0.00003L, 1, 1, -2, 0},   {0.00003L, 0, 2, 2, 0},
    {-0.00003L, 1, 1, 2, 0}, {0.00003L, -1, 1, 2, 0},  {-0.00002L, -1, 1, -2, 0}, {-0.00002L, 1, 3, 0, 0},
    {0.00002L, 0, 4, 0, 0},
}};

inline constexpr std::array<PhaseTerm, 25> kFullMoon = {{
    {-0.40614L, 0, 1, 0, 0}, {0.17302L, 1, 0, 0, 0},   {0.01614L, 0, 2, 0, 0},    {0.01043L, 0, 0, 2, 0},
    {0.00734L, -1, 1, 0, 0}, {-0.00515L, 1, 1, 0, 0},  {0.00209L, 2, 0, 0, 0},    {-0.00111L, 0, 1, -2, 0},
    {-0.00057L, 0, 1, 2, 0}, {0.00056L, 1, 2, 0, 0},   {-0.00042L, 0, 3, 0, 0},   {0.00042L, 1, 0, 2, 0},
    {0.00038L, 1, 0, -2, 0}, {-0.00024L, -1, 2, 0, 0}, {-0.00017L, 0, 0, 0, 1},   {-0.00007L, 2, 1, 0, 0},
    {0.00004L, 0, 2, -2, 0}, {0.00004L, 3, 0, 0, 0},   {0.00003L, 1, 1, -2, 0},   {0.00003L, 0, 2, 2, 0},
    {-0.00003L, 1, 1, 2, 0}, {0.00003L, -1, 1, 2, 0},  {-0.00002L, -1, 1, -2, 0}, {-0.00002L, 1, 3, 0, 0},
    {0.00002L, 0, 4, 0, 0},
}};

inline constexpr std::array<PhaseTerm, 25> kQuarter = {{
    {-0.62801L, 0, 1, 0, 0},   {0.17172L, 1, 0, 0, 0},  {-0.01183L, 1, 1, 0, 0},  {0.00862L, 0, 2, 0, 0},
    {0.00804L, 0, 0, 2, 0},    {0.00454L, -1, 1, 0, 0}, {0.00204L, 2, 0, 0, 0},   {-0.00180L, 0, 1, -2, 0},
    {-0.00070L, 0, 1, 2, 0},   {-0.00040L, 0, 3, 0, 0}, {-0.00034L, -1, 2, 0, 0}, {0.00032L, 1, 0, 2, 0},
    {0.00032L, 1, 0, -2, 0},   {-0.00028L, 2, 1, 0, 0}, {0.00027L, 1, 2, 0, 0},   {-0.00017L, 0, 0, 0, 1},
    {-0.00005L, -1, 1, -2, 0}, {0.00004L, 0, 2, 2, 0},  {-0.00004L, 1, 1, 2, 0},  {0.00004L, -2, 1, 0, 0},
    {0.00003L, 1, 1, -2, 0},   {0.00003L, 3, 0, 0, 0},  {0.00002L, 0, 2, -2, 0},  {0.00002L, -1, 1, 2, 0},
    {-0.00002L, 1, 3, 0, 0},
}};

}  // namespace tempulo::moon_phase_terms
