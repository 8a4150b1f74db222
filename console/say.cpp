// say  One line on standard error, its failure swallowed.
#include <ostream>
#include <string_view>

#include <solarlon/io.hpp>

#include "console/console.hpp"

namespace solarlon::console {

void say(std::ostream& err, std::string_view line, Encoding enc, std::string_view line_end) {
    io::RecordWriter e(err, "standard error", line_end);
    e.show_as(enc);
    try {
        e.record(line);
        e.flush();
    } catch (const io::Failure&) {
        // standard error is gone; the status still tells
    }
}

}  // namespace solarlon::console
