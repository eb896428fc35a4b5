#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// The numeric readings of text the game relies on: the combo boxes, the answer
// dialog and the ranking's score texts each read numbers in their own way.
namespace TextNumber {

// The longest leading decimal number (optional sign, digits with at most one
// decimal point, optional exponent) after leading blanks; 0 when there is none.
double leadingNumber(QStringView text);

// A ranking score text's value: like leadingNumber, but blanks (spaces, tabs,
// line feeds) anywhere are ignored and &H / &O introduce hexadecimal / octal.
double scoreValue(QStringView text);

// Whether the whole text, blanks around it allowed, is one decimal number.
bool isNumeric(QStringView text);

// The value of a text that passes isNumeric.
std::optional<double> parseNumeric(QStringView text);

// Rounds to an integer with halves going to the even neighbour.
double roundHalfEven(double value);

// roundHalfEven, then the value as a 32-bit integer when it fits.
std::optional<std::int32_t> toInt32(double value);

} // namespace TextNumber
