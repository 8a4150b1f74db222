// heading  The commands' first line of text, looked up by the name of the theory that answers.
#include <iterator>

#include "console/console.hpp"

namespace solarlon::console {

std::string_view heading(const Texts& T, std::string_view theory) {
    for (std::size_t k = 0; k < std::size(T.HEADING_THEORIES); ++k)
        if (T.HEADING_THEORIES[k] == theory) return T.HEADINGS[k];
    return "";
}

}  // namespace solarlon::console
