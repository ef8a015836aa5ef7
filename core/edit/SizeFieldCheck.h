// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The check that the New Map and Resize Map dialogs run on their width and
// height fields before they change anything.
namespace SizeFieldCheck {

inline constexpr int MinWidth = 1;
inline constexpr int MaxWidth = 255;
inline constexpr int MinHeight = 1;
inline constexpr int MaxHeight = 127;

inline const QString WidthMessage = QStringLiteral("Please Enter Width value between 1 and 255");
inline const QString HeightMessage = QStringLiteral("Please Enter Height value between 1 and 127");
inline const QString NumbersOnlyMessage =
    QStringLiteral("Please use numbers only for Width and Height!");

struct MapSize
{
    int width = 0;
    int height = 0;
    friend bool operator==(const MapSize &, const MapSize &) = default;
};

struct Outcome
{
    bool passed = false;
    // The accepted size, each field rounded to the nearest integer, a half
    // going to the even neighbour. Only meaningful when passed.
    MapSize size;
    // The message to show when the check failed, and the fields it marks.
    QString message;
    bool markWidth = false;
    bool markHeight = false;
};

// The number a field holds: plain decimal with an optional sign, fraction and
// exponent, blanks around it ignored, read the same way in every locale.
// Infinities and NaN are not numbers.
std::optional<double> fieldNumber(const QString &text);

// Width first, then height; the first failure decides the outcome. The ranges
// are tested on the unrounded numbers, so 0.9 is refused while 1.4 gives 1.
Outcome checkSizeFields(const QString &widthText, const QString &heightText);

} // namespace SizeFieldCheck
