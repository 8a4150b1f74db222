// GETNUM  Numbers of a typed line, fields cut at blanks and commas.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

namespace {

constexpr std::int32_t kLine = 80;  // a typed line is always taken as 80 characters
constexpr std::int32_t kSlots = 6;  // values kept

bool separator(char c) { return c == ' ' || c == ','; }

// The scan of GETNUM; F receives what became of each of the first six fields.
void scan(const std::string& LINE, std::int32_t N, std::int32_t& COUNT, double (&V)[kSlots], NUMFLD (&F)[kSlots]) {
    // The line as exactly 80 characters, blank-padded.
    std::string line = LINE.substr(0, static_cast<std::size_t>(kLine));
    line.resize(static_cast<std::size_t>(kLine), ' ');
    auto c = [&line](std::int32_t i) { return line[static_cast<std::size_t>(i - 1)]; };  // 1-based

    const std::int32_t n = N < 1 ? 1 : (N > kLine ? kLine : N);  // positions 1..n scanned
    double a[kSlots] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    NUMFLD f[kSlots];
    std::int32_t count = 0;  // fields started; also the slot of the field being ended
    std::int32_t s = 1;      // first position of the current field

    for (std::int32_t i = 1; i <= n - 1; ++i) {
        if (c(i) == ' ') continue;
        // Start: a non-blank in column 1 or after a blank or a comma.
        if (i == 1 || separator(c(i - 1))) {
            // A field that a new one follows before it ever ended is a lone comma: no value.
            if (count >= 1 && count <= kSlots && f[count - 1].EDGE) f[count - 1] = NUMFLD{s, i - s, false, false};
            ++count;
            s = i;
            if (count <= kSlots) f[count - 1] = NUMFLD{s, n - s + 1, false, true};
        }
        // End: a non-blank followed by a blank or a comma; the field s..i is read as F(w).0. A
        // field that is not a number leaves its slot as it was; fields after the sixth have none.
        if (separator(c(i + 1)) && count >= 1 && count <= kSlots) {
            const std::string_view field(line.data() + (s - 1), static_cast<std::size_t>(i - s + 1));
            NUMFLD& fc = f[count - 1];
            if (fc.EDGE) fc = NUMFLD{s, i - s + 1, false, false};  // the first conversion's columns
            double v = a[count - 1];
            if (io::read_f(field, 0, v) == io::Status::Ok) {
                a[count - 1] = v;
                fc.TOOK = true;
            }
        }
    }
    // A text alone in column n starts no field, but it was typed.
    if (count < kSlots && n > 1 && c(n) != ' ' && separator(c(n - 1))) f[count] = NUMFLD{n, 1, false, true};

    COUNT = count;
    for (std::int32_t k = 0; k < kSlots; ++k) V[k] = a[k];
    for (std::int32_t k = 0; k < kSlots; ++k) F[k] = f[k];
}

}  // namespace

void GETNUM(const std::string& LINE, const std::int32_t& N, std::int32_t& COUNT, double& V1, double& V2, double& V3,
            double& V4, double& V5, double& V6) {
    NUMFLD unused[kSlots];
    GETNUM(LINE, N, COUNT, V1, V2, V3, V4, V5, V6, unused);
}

void GETNUM(const std::string& LINE, const std::int32_t& N, std::int32_t& COUNT, double& V1, double& V2, double& V3,
            double& V4, double& V5, double& V6, NUMFLD (&F)[6]) {
    double v[kSlots];
    NUMFLD f[kSlots];
    std::int32_t count = 0;
    scan(LINE, N, count, v, f);
    // Outputs stored last, so that one variable may be passed as input and output.
    COUNT = count;
    V1 = v[0];
    V2 = v[1];
    V3 = v[2];
    V4 = v[3];
    V5 = v[4];
    V6 = v[5];
    for (std::int32_t k = 0; k < kSlots; ++k) F[k] = f[k];
}

}  // namespace solarlon
