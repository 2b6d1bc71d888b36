#pragma once

#include <string>

#include "model/objektlisten.h"

namespace quarvel {

// Gives the stored function, point or spline called `alt` (looked up in that order) the
// name `neu`, when that is free for its kind, and returns the message for the hint line.
// The object stays the same; a refusal changes nothing.
std::string namenErsetzen(Objektlisten& listen, const std::string& alt, const std::string& neu);

}  // namespace quarvel
