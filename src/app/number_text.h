// Short number texts for grids and labels.
#pragma once

#include <string>

// Negative: "？"; 0: "０"; positive: the decimal digits as full-width digits.
std::string FullWidthNumber(int value);

// 0 or less: empty; 1 to 9: one full-width digit; 10 or more: the last two
// decimal digits as "%2d", so that the text is always two columns wide.
std::string TwoColumnNumber(int value);
