// Finds the text ids that the program's code and its data name, so the data
// check can hold them against every language file.
#pragma once

#include <map>
#include <string>

// Id -> where it was first seen ("src/qrvl/x.cpp:12"), from string literals
// shaped like "S_SOMETHING" in src/ and quoted ids in the scripts and GUI
// descriptions of data/ (the language files themselves excepted), and the
// space names of the board file, which are the spaces' text ids. Ids put
// together at run time from a pattern ("S_MONTH%d_LONG") are not found here;
// the language files carry them and the per-language check covers them.
std::map<std::string, std::string> FindUsedTextIds(std::string const& sourceRoot);
