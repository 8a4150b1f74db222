// PUTLIN  Writes a line without its trailing blanks as one record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

void PUTLIN(const std::string& LINE, const std::int32_t& N, io::RecordWriter& UNIT) {
    constexpr std::int32_t kLine = 80;  // the line is taken as 80 characters
    const std::int32_t n = N < 0 ? 0 : (N > kLine ? kLine : N);
    // Last non-blank among positions n down to 1; positions past the end of LINE are blanks.
    std::size_t l = std::min(static_cast<std::size_t>(n), LINE.size());
    while (l > 0 && LINE[l - 1] == ' ') --l;
    // Positions 1..l under (A l); an empty record when l is 0.
    UNIT.record(std::string_view(LINE.data(), l));
}

}  // namespace solarlon
