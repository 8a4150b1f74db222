// scan_free, free_failure, read_free, read_a  Free-form input of one number, and a whole record
// under Aw.
#include <string>

#include <solarlon/io.hpp>

#include "io/scan.hpp"

namespace solarlon::io {

Scan scan_free(std::string_view rec, bool cut, double& value, std::string_view& token) {
    token = std::string_view();
    const std::size_t i = rec.find_first_not_of(" \t");
    if (i == std::string_view::npos) return Scan::Blank;
    const char c = rec[i];
    if (c == '/') return Scan::Kept;  // a slash ends the read, the value stays
    if (c == ',') return Scan::Kept;  // a null value, the value stays
    const std::size_t j = rec.find_first_of(" ,\t/)", i);
    token = rec.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i);
    if (j == std::string_view::npos && cut) return Scan::TooLong;
    double v = 0.0;
    const Status st = token.empty() ? Status::Invalid : read_f(token, 0, v);
    if (st == Status::Invalid) return Scan::Invalid;
    if (st == Status::OutOfRange) return Scan::OutOfRange;
    value = v;
    return Scan::Stored;
}

void free_failure(Scan scan, std::string_view token, const std::string& what) {
    const char* why = scan == Scan::TooLong      ? "number too long "
                      : scan == Scan::OutOfRange ? "number out of range "
                                                 : "invalid character in the number ";
    throw Failure(Kind::Input, why + shown(token) + " read from " + what);
}

Free read_free(RecordReader& in, double& value) {
    std::string_view rec;
    for (;;) {
        if (!in.next(rec, kMaxRecord, true)) return Free::End;
        std::string_view token;
        const Scan scan = scan_free(rec, in.cut(), value, token);
        if (scan == Scan::Blank) continue;  // blank lines are passed over
        if (scan == Scan::Stored) return Free::Stored;
        if (scan == Scan::Kept) return Free::Kept;
        free_failure(scan, token, in.what());
    }
}

std::string read_a(RecordReader& in, std::size_t w) {
    std::string rec;
    if (!in.read(rec, w)) throw Failure(Kind::Input, "end of file on " + in.what());
    rec.resize(w, ' ');
    return rec;
}

}  // namespace solarlon::io
