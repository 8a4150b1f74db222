// One run of the program in-process: console input bytes in, exit status and console output out.
#ifndef SOLARLON_TESTS_DIALOGUE_HPP
#define SOLARLON_TESTS_DIALOGUE_HPP

#include <sstream>
#include <string>

#include "driver/dialogue.hpp"

namespace testsupport {

struct Outcome {
    int status;
    std::string out;
};

inline Outcome dialogue(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    const int status = solarlon::driver::run(in, out);
    return {status, out.str()};
}

}  // namespace testsupport

#endif
