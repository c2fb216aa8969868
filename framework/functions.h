#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The runtime's text and number functions. None of them looks at the C or C++
// locale: the decimal point is always the full stop, because what the program
// writes with Format and Str it reads back with Val.
namespace fw {

// Formats value after a mask.
//   '#'  a digit where needed: no leading zeros before the point, and after the
//        point a trailing zero is left out;
//   '0'  a digit always;
//   '.'  the decimal point (the first one in the mask; later ones are literal);
//   '+'  the sign always: "+" for values that are >= 0 or round to all zeros,
//        "-" otherwise;
//   any other character is copied as it stands.
// Without '+', a negative value that does not round to all zeros gets a
// leading "-". The value is rounded correctly from its exact binary value to
// the mask's number of decimal places (an exact half goes to the even digit).
// Integer digits that the mask has no room for are all kept, in front of the
// mask's first integer digit place (or just before the point when it has
// none): Format(221.7042, "#####.00") is "221.70", Format(-1, "+.000") is
// "-1.000", Format(0, "#####.00") is ".00". NaN gives "NaN", +infinity "Inf"
// ("+Inf" when the mask holds '+'), -infinity "-Inf".
std::string Format(double value, std::string_view mask);

// The number at the start of text: optional spaces or tabs, an optional sign,
// digits with an optional point and fraction ("5.", ".5"), an optional
// exponent (e or E, an optional sign, at least one digit; an 'e' without
// digits ends the number before it). Whatever follows is ignored ("12abc" is
// 12). A text that starts with no number ("", ".", "-", "abc") gives 0. A
// number too large for a double gives +/-infinity, one too small gives 0.
double Val(std::string_view text);

// The plain decimal digits of value, with a leading '-' when negative.
std::string Str(std::int64_t value);

// A short text for value: an integer below 1e15 in magnitude has no point and
// no exponent; otherwise up to 15 significant digits without trailing zeros,
// with an exponent ("1.5e+20", "1e-07") where plain digits would be long, as
// C's "%.15g" does in the C locale. NaN and the infinities as in Format
// without '+'; -0 gives "0".
std::string Str(double value);

// The Unicode code point of the first character of a UTF-8 text. A byte that
// does not start a valid, shortest-form UTF-8 sequence gives its own value
// (0 to 255). An empty text gives 0.
std::int64_t Asc(std::string_view text);

// The IEEE 754 functions of <cmath>. They raise nothing: a NaN argument gives
// NaN, Sqrt of a negative number is NaN, Log(0) is -infinity and Log of a
// negative number NaN, Exp(+infinity) is +infinity and Exp(-infinity) 0,
// ATan(+/-infinity) is +/-pi/2, Sin and Cos of an infinity are NaN.
double Sqrt(double x);
double Exp(double x);
// Natural logarithm.
double Log(double x);
// Sin, Cos and ATan work in radians.
double Sin(double x);
double Cos(double x);
double ATan(double x);
// The largest integral value not greater than x (an infinity or NaN as given).
double Floor(double x);

}  // namespace fw
