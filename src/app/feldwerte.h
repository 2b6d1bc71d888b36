#pragma once

#include <string_view>

namespace quarvel {

// The numeric value of a field such as x or y, as a desktop number field gives it: a text
// that is a number (blanks around it and a decimal comma allowed) gives that number;
// anything else, also a number too large for a double, gives 0.
double feldZahl(std::string_view text);

}  // namespace quarvel
