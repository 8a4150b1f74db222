// EXPLAIN  The explanation screen: sample dialogues of modes 1 and 3 and sample lines of mode 2.
#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

void EXPLAIN(Console& con) {
    for (const auto& line : con.T.EXPLAIN) con.out.record(line);
    con.out.prompt(con.T.ENTER_PROMPT);
    io::read_a(con.in, 20);  // any answer continues
    con.out.record("");
}

}  // namespace solarlon::driver
