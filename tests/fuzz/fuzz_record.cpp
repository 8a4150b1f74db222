// Record reader over any bytes: every record it returns must be the one a plain reading of the record
// model gives (records end at LF, a CR just before the LF is dropped, byte 26 ends a record and, at the
// start of one, the file), cut to the length kept; after the end every read stays at the end.
//
// Input: byte 0 chooses the length kept, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

namespace {

constexpr char kEofMark = 26;

void fail(const char* what, std::size_t index) {
    std::fprintf(stderr, "fuzz_record: %s (record %zu)\n", what, index);
    std::abort();
}

// The records of BYTES by the record model, each cut to MAXKEEP bytes.
std::vector<std::string> model(const std::string& bytes, std::size_t maxkeep) {
    std::vector<std::string> recs;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t lf = bytes.find('\n', at);
        const bool ended = lf != std::string::npos;  // the record has its line end
        std::string line = bytes.substr(at, ended ? lf - at : std::string::npos);
        at = ended ? lf + 1 : bytes.size();
        if (!line.empty() && line[0] == kEofMark) break;
        const std::size_t mark = line.find(kEofMark);
        if (mark != std::string::npos) line.resize(mark);
        else if (ended && !line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > maxkeep) line.resize(maxkeep);
        recs.push_back(line);
    }
    return recs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::size_t kKeep[] = {0, 1, 2, 20, 78, 80, solarlon::io::kMaxRecord};
    const std::size_t pick = data[0] % 16;
    const std::size_t maxkeep = pick < 7 ? kKeep[pick] : pick;  // also small odd lengths
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<std::string> want = model(bytes, maxkeep);

    std::istringstream in(bytes);
    solarlon::io::RecordReader reader(in, "fuzz");
    std::string rec = "not cleared";
    std::size_t n = 0;
    while (reader.read(rec, maxkeep)) {
        if (n >= want.size()) fail("more records than the model", n);
        if (rec != want[n]) fail("record differs from the model", n);
        ++n;
        if (n > bytes.size() + 1) fail("reader does not advance", n);
    }
    if (n != want.size()) fail("fewer records than the model", n);
    if (!rec.empty()) fail("record not cleared at the end", n);
    if (reader.read(rec, maxkeep) || !rec.empty()) fail("a read after the end returned a record", n);

    // Aw input of the same file: blank-padded to exactly W columns, then an input failure at the end.
    const std::size_t w = maxkeep == 0 ? 1 : maxkeep;
    const std::vector<std::string> kept = model(bytes, w);
    std::istringstream in2(bytes);
    solarlon::io::RecordReader reader2(in2, "fuzz");
    std::size_t m = 0;
    try {
        for (;; ++m) {
            const std::string a = solarlon::io::read_a(reader2, w);
            if (m >= kept.size()) fail("read_a past the last record", m);
            std::string expect = kept[m];
            expect.resize(w, ' ');
            if (a != expect) fail("read_a differs from the padded record", m);
        }
    } catch (const solarlon::io::Failure& f) {
        if (f.kind() != solarlon::io::Kind::Input) fail("end of file reported as a file failure", m);
        if (m != kept.size()) fail("read_a ended early", m);
    }
    return 0;
}
