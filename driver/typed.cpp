// read_typed  Rules shared by the hand-typed modes.
#include <cmath>
#include <cstdint>
#include <string>

#include <solarlon/util.hpp>

#include "detail.hpp"

namespace solarlon::driver {

bool read_typed(Console& con, std::string_view prompt, int used, double (&V)[6], bool whole_year, std::string* first,
                std::string* second) {
    static const std::int32_t kScan = 40;  // columns of the typed line that are scanned
    for (;;) {
        con.out.prompt(prompt);
        const std::string TLINE = io::read_a(con.in, 80);
        std::int32_t count = 0;
        NUMFLD F[6];
        GETNUM(TLINE, kScan, count, V[0], V[1], V[2], V[3], V[4], V[5], F);
        if (count == 0 && F[0].START == 0) return false;
        const NUMFLD* bad = nullptr;
        std::string_view notice;
        for (int k = 0; k < used && k < 6 && bad == nullptr; ++k) {
            if (F[k].START != 0 && !F[k].TOOK) {
                bad = &F[k];
                notice = bad->EDGE ? con.T.PAST_COLUMN_40 : con.T.NOT_A_NUMBER;
            } else if (k == 0 && whole_year && F[0].START != 0 && V[0] != std::trunc(V[0])) {
                bad = &F[k];
                notice = con.T.YEAR_NOT_WHOLE;
            }
        }
        const auto typed_field = [&TLINE](const NUMFLD& f) {
            return f.START == 0 ? std::string_view()
                                : std::string_view(TLINE.data() + (f.START - 1), static_cast<std::size_t>(f.WIDTH));
        };
        if (bad == nullptr) {
            if (first != nullptr) *first = std::string(typed_field(F[0]));
            if (second != nullptr) *second = std::string(typed_field(F[1]));
            return true;
        }
        const std::string_view typed = typed_field(*bad);
        con.out.record(std::string(notice) + io::escaped(typed));
    }
}

}  // namespace solarlon::driver
