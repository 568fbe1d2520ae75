// Splits a command line into program and arguments the way Windows programs
// parse theirs (CommandLineToArgvW), so the command lines written for the
// Windows tools mean the same here, and no shell ever sees them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The first element is the program. An empty or blank line gives no elements.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
