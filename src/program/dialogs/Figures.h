// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the dialogs show them.

#include <cmath>
#include <cstdio>
#include <string>

// A value written by a printf format of one double ("%.1f%%").
inline std::string Formatted(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// An equity with its sign, "+0.000" rather than "-0.000" for a value that
// rounds to nothing.
inline std::string SignedEquity(double value)
{
    if (std::fabs(value) < 0.0005) value = 0;
    return Formatted("%+.3f", value);
}
