// Helpers of the test programs that need no window code, for the unit tests too.
#pragma once

#include <string>

namespace test {

// The folder of the test program, with a trailing backslash.
std::string ProgramFolder();

}  // namespace test
