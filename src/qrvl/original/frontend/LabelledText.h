// A label followed by its value, as the cards show their prices and
// salaries: "\0 \1" filled with the label's text and the value.
#pragma once

#include <string>

namespace qrvl {

std::string LabelledText(char const* labelId, std::string const& value);

} // namespace qrvl
