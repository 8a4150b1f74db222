// Numeric fields (Fw.d input), their output (Fw.d) and free-form input of numbers, over any bytes.
//
// Fw.d input must accept exactly the number syntax (sign, digits with at most one point, exponent by
// letter E/D/Q or by a sign alone, blanks ignored) and give the correctly rounded value, or report out of
// range where that value is beyond double. A value read and printed under Fw.d must read back as the
// printed rounding, and print the same again. Free-form reads must store what the first number of the
// next non-blank record holds, keep the value on a slash or a null value, and fail only as input failures.
//
// Input: byte 0 the implied decimals, byte 1 the output width and decimals, the rest the field (and,
// for the free-form reads, the file).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>

namespace io = solarlon::io;

namespace {

void fail(const char* what, const std::string& field) {
    std::fprintf(stderr, "fuzz_numbers: %s: %s\n", what, io::shown(field).c_str());
    std::abort();
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// The field's number as a text that strtod reads, or "" when the syntax is not a number. Without a
// point the last D digits are decimals.
std::string as_c_number(std::string_view field, int d) {
    std::string s;
    for (char c : field)
        if (c != ' ') s += c;
    if (s.empty()) return "0";
    std::size_t i = 0;
    std::string out;
    if (s[i] == '+' || s[i] == '-') out += s[i++];
    std::string mant;
    long long point = -1;  // digits after the point
    for (; i < s.size() && (digit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            if (point >= 0) return "";
            point = 0;
        } else {
            mant += s[i];
            if (point >= 0) ++point;
        }
    }
    if (mant.empty()) return "";
    long long e = 0;
    if (i < s.size()) {
        const char c = s[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q') ++i;
        else if (c != '+' && c != '-') return "";
        bool neg = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
        if (i == s.size()) return "";
        for (; i < s.size(); ++i) {
            if (!digit(s[i])) return "";
            if (e < 100000) e = e * 10 + (s[i] - '0');  // far beyond any double either way
        }
        if (neg) e = -e;
    }
    e -= point >= 0 ? point : d;
    return out + mant + "e" + std::to_string(e);
}

void check_field(const std::string& field, int d, int w, int dd) {
    double v = 12345.0;
    const io::Status st = io::read_f(field, d, v);
    const std::string c = as_c_number(field, d);
    if (c.empty()) {
        if (st != io::Status::Invalid) fail("accepted a field that is not a number", field);
        if (v != 12345.0) fail("an invalid field stored a value", field);
        return;
    }
    const double want = std::strtod(c.c_str(), nullptr);
    if (std::isinf(want)) {
        if (st != io::Status::OutOfRange) fail("a value beyond double not reported out of range", field);
        if (v != 12345.0) fail("an out-of-range field stored a value", field);
        return;
    }
    if (st != io::Status::Ok) fail("refused a number", field);
    if (v != want) fail("value is not the correctly rounded number", field);

    // Fw.d output of it, read back.
    const std::string s = io::format_f(v, w, dd);
    if (static_cast<int>(s.size()) != w) fail("Fw.d output not W columns", field);
    if (s == std::string(static_cast<std::size_t>(w), '*')) {
        // Sign, at least one digit before the point, the point and D decimals always fit below ROOM.
        const double room = std::pow(10.0, w - dd - 2) - std::pow(10.0, -dd);
        if (w - dd - 2 >= 1 && std::fabs(v) < room) fail("a value that fits was written as asterisks", field);
        return;
    }
    const std::size_t dot = s.find('.');
    if (dot == std::string::npos || s.size() - dot - 1 != static_cast<std::size_t>(dd) ||
        s.find('.', dot + 1) != std::string::npos)
        fail("Fw.d output without exactly D decimals", s);
    // Fw.0 one column short of "0." keeps only the point: nothing to read back.
    if (s.find_first_of("0123456789") == std::string::npos) {
        if (dd != 0 || std::fabs(v) >= 1.0) fail("Fw.d output without a digit", s);
        return;
    }
    double back = 0.0;
    if (io::read_f(s, 0, back) != io::Status::Ok) fail("Fw.d output does not read back", s);
    if (io::format_f(back, w, dd) != s) fail("printed rounding does not print the same", s);
    const double half = 0.5 * std::pow(10.0, -dd);
    if (std::fabs(back - v) > half * (1.0 + 1e-9) + std::fabs(v) * 1e-15) fail("printed value is not the rounding", s);
}

// The free-form reads of the whole file, against the record model and Fw.0 of the first number.
void check_free(const std::string& bytes) {
    std::istringstream in(bytes), in2(bytes);
    io::RecordReader reader(in, "fuzz"), records(in2, "fuzz");
    double value = -7.0;
    for (int turn = 0; turn < 64; ++turn) {
        // What the read must do: the first record with a non-blank.
        std::string rec, token;
        bool end = true, keep = false;
        std::size_t i = 0;
        while (records.read(rec)) {
            i = rec.find_first_not_of(" \t");
            if (i != std::string::npos) {
                end = false;
                break;
            }
        }
        if (!end) {
            keep = rec[i] == '/' || rec[i] == ',';
            const std::size_t j = rec.find_first_of(" ,\t/)", i);
            token = rec.substr(i, j == std::string::npos ? std::string::npos : j - i);
        }
        const double before = value;
        io::Free r;
        try {
            r = io::read_free(reader, value);
        } catch (const io::Failure& f) {
            if (f.kind() != io::Kind::Input) fail("free-form read failed as a file failure", token);
            if (end || keep) fail("free-form read failed on a slash, a null value or the end", token);
            double v = 0.0;
            if (!token.empty() && io::read_f(token, 0, v) == io::Status::Ok)
                fail("free-form read failed on a number", token);
            if (value != before) fail("a failed read stored a value", token);
            return;
        }
        if (end) {
            if (r != io::Free::End || value != before) fail("end of file not reported as such", token);
            return;
        }
        if (keep) {
            if (r != io::Free::Kept || value != before) fail("slash or null value did not keep the value", rec);
            continue;
        }
        double v = 0.0;
        if (r != io::Free::Stored || token.empty() || io::read_f(token, 0, v) != io::Status::Ok || v != value ||
            !std::isfinite(value))
            fail("free-form read stored something else than the first number", token);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int d = data[0] % 10;
    const int w = 1 + data[1] % 30;
    const int dd = (data[1] / 30) % 7 < w ? (data[1] / 30) % 7 : w - 1;  // 0..6 decimals
    const std::string field(reinterpret_cast<const char*>(data) + 2, size - 2);
    check_field(field, d, w, dd);
    check_free(field);
    return 0;
}
