// read_free, read_a  Free-form input of one number, and a whole record under Aw.
#include <string>

#include <solarlon/io.hpp>

namespace solarlon::io {

Free read_free(RecordReader& in, double& value) {
    std::string_view rec;
    for (;;) {
        if (!in.next(rec, kMaxRecord, true)) return Free::End;
        const std::size_t i = rec.find_first_not_of(" \t");
        if (i == std::string_view::npos) continue;  // blank lines are passed over
        const char c = rec[i];
        if (c == '/') return Free::Kept;             // a slash ends the read, the value stays
        if (c == ',') return Free::Kept;             // a null value, the value stays
        const std::size_t j = rec.find_first_of(" ,\t/)", i);
        const std::string_view token = rec.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i);
        if (j == std::string_view::npos && in.cut())
            throw Failure(Kind::Input, "number too long " + shown(token) + " read from " + in.what());
        double v = 0.0;
        const Status st = token.empty() ? Status::Invalid : read_f(token, 0, v);
        if (st == Status::Invalid)
            throw Failure(Kind::Input, "invalid character in the number " + shown(token) + " read from " + in.what());
        if (st == Status::OutOfRange)
            throw Failure(Kind::Input, "number out of range " + shown(token) + " read from " + in.what());
        value = v;
        return Free::Stored;
    }
}

std::string read_a(RecordReader& in, std::size_t w) {
    std::string rec;
    if (!in.read(rec, w)) throw Failure(Kind::Input, "end of file on " + in.what());
    rec.resize(w, ' ');
    return rec;
}

}  // namespace solarlon::io
