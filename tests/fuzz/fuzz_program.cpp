// The whole program with the fuzzer's bytes as console input, in a scratch directory that holds a
// small date file D.TXT, a longitude file L.TXT, an empty file E.TXT and two old outputs, so that every
// mode, every prompt, both file conversions and the replacing of an old output are reached.
//
// Every run must end with status 0 and no "*ERR*" line, or with status 1 and exactly one "*ERR*" line,
// which is the last line of the output; every LF written is part of a CR LF; the input files keep their
// bytes; a ".SLG" file holds records of at most 78 columns without trailing blanks, and a ".THJ" file
// records of exactly 19 columns.
//
// File names stay inside the scratch directory: a "/" is kept only at the end of a line (the slash of
// free-form input), elsewhere it becomes "_". Only the first 32 lines are used, since every typed line of
// the longitude modes is a full search of the year. Run it with an absolute -artifact_prefix: the
// current directory is the scratch directory while a run is in progress.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>

#include <solarlon/io.hpp>

#include "program/program.hpp"

namespace fs = std::filesystem;

namespace {

const char kDates[] =
    "HEADING\r\n"
    "------.--\r\n"
    "531010.21\r\n"
    "521016.34XABCDEFGtail after the longitude\n"
    "290101.00\0 zero byte in column 10\r\n"
    "300101.00 \x1a after an end mark\r\n"
    "\r\n";

const std::pair<const char*, std::string> kInputs[] = {
    {"D.TXT", std::string(kDates, sizeof kDates - 1)},
    {"L.TXT", "15\r\n/\r\n  270.5 trailing text\r\n-1000\n"},
    {"E.TXT", ""},
};

// Outputs of an earlier conversion, there at the start of every run: converting L.TXT in mode 2 or
// D.TXT in mode 5 replaces one, naming one as the input of its own mode is refused.
const std::pair<const char*, const char*> kOldOutputs[] = {
    {"L.SLG", "old output\r\n"},
    {"D.THJ", "old record, 19 cols\r\n"},
};

fs::path g_scratch;
fs::path g_home;

void fail(const char* what, const std::string& input, const std::string& out) {
    std::fprintf(stderr, "fuzz_program: %s\n  input:  %s\n  output tail: %s\n", what,
                 solarlon::io::shown(input).c_str(),
                 solarlon::io::shown(out.size() > 60 ? out.substr(out.size() - 60) : out).c_str());
    std::abort();
}

std::string bytes_of(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void write_file(const char* name, const std::string& bytes) {
    std::ofstream f(g_scratch / name, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void write_inputs() {
    for (const auto& [name, bytes] : kInputs) write_file(name, bytes);
}

void remove_scratch() {
    std::error_code ec;
    fs::current_path(g_home, ec);
    fs::remove_all(g_scratch, ec);
}

// Slashes that could lead a file name out of the scratch directory, and lines past the 32nd.
std::string confined(const std::uint8_t* data, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && ++lines == 32) {
            s.resize(i + 1);
            break;
        }
        if (s[i] != '/') continue;
        std::size_t j = i + 1;
        while (j < s.size() && (s[j] == ' ' || s[j] == '\r')) ++j;
        if (j < s.size() && s[j] != '\n') s[i] = '_';
    }
    return s;
}

// Records of an output file: each must end with CR LF and pass OK.
template <class Ok>
bool records_ok(const std::string& bytes, Ok ok) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) return false;
        if (!ok(bytes.substr(at, end - at))) return false;
        at = end + 2;
    }
    return true;
}

void check_console(const std::string& input, const std::string& out, int status) {
    for (std::size_t i = out.find('\n'); i != std::string::npos; i = out.find('\n', i + 1))
        if (i == 0 || out[i - 1] != '\r') fail("LF without CR in the console output", input, out);
    std::size_t reports = 0, last = std::string::npos;
    for (std::size_t i = out.find("*ERR*"); i != std::string::npos; i = out.find("*ERR*", i + 1)) {
        if (i == 0 || out[i - 1] == '\n') {
            ++reports;
            last = i;
        }
    }
    if (status == 0) {
        if (reports != 0) fail("normal end with an *ERR* line", input, out);
    } else if (status == 1) {
        if (reports != 1) fail("failure without exactly one *ERR* line", input, out);
        if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0 || out.find("\r\n", last) != out.size() - 2)
            fail("the *ERR* line is not the last line", input, out);
    } else {
        fail("exit status neither 0 nor 1", input, out);
    }
}

void check_files(const std::string& input, const std::string& out) {
    for (const auto& [name, bytes] : kInputs)
        if (bytes_of(g_scratch / name) != bytes) fail("an input file was changed", input, out);
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(g_scratch, ec)) {
        const std::string name = e.path().filename().string();
        bool input_file = false;
        for (const auto& in : kInputs) input_file = input_file || name == in.first;
        if (input_file) continue;
        const std::string bytes = bytes_of(e.path());
        if (name.find(".SLG") != std::string::npos) {
            if (!records_ok(bytes,
                            [](const std::string& r) { return r.size() <= 78 && (r.empty() || r.back() != ' '); }))
                fail(".SLG record longer than 78 columns or with a trailing blank", input, out);
        } else if (name.find(".THJ") != std::string::npos) {
            if (!records_ok(bytes, [](const std::string& r) { return r.size() == 19; }))
                fail(".THJ record not 19 columns", input, out);
        } else {
            fail("a file other than a .SLG or .THJ output was created", input, name);
        }
        fs::remove_all(e.path(), ec);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_home = fs::current_path();
    std::string tmpl = (fs::temp_directory_path() / "solarlon-fuzz-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    g_scratch = tmpl;
    write_inputs();
    std::atexit(remove_scratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = confined(data, size);
    std::istringstream in(input);
    std::ostringstream out;
    for (const auto& [name, bytes] : kOldOutputs) write_file(name, bytes);
    fs::current_path(g_scratch);
    const int status = solarlon::driver::run(in, out);
    const std::string text = out.str();
    check_console(input, text, status);
    check_files(input, text);
    fs::current_path(g_home);
    return 0;
}
