// Test support: scratch directories, file bytes, and runs of the real executable.
#ifndef SOLARLON_TESTS_SUPPORT_HPP
#define SOLARLON_TESTS_SUPPORT_HPP

#include <string>

namespace testsupport {

// A fresh empty directory that the current directory is moved into; the old one is restored and the
// scratch directory removed when it goes out of scope.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

std::string read_file(const std::string& name);                      // whole file, bytes
void write_file(const std::string& name, const std::string& bytes);  // replaces the file
bool file_exists(const std::string& name);

struct RunResult {
    int status = -1;    // exit status, -1 when the process did not exit normally
    std::string out;    // standard output, bytes
    std::string err;    // standard error, bytes
};

// Runs the program built by this tree with INPUT as its standard input and ARGS (shell words) as its
// arguments, in the current directory.
RunResult run_program(const std::string& input, const std::string& args = "");

// UTF-8 text converted to Shift-JIS (CP932) bytes, with each LF turned into CR LF.
std::string sjis(const std::string& utf8);
// Shift-JIS (CP932) bytes decoded to UTF-8; throws on bytes that are not CP932.
std::string utf8_of(const std::string& sjis_bytes);

// Bytes of a file under tests/golden.
std::string golden(const std::string& name);

}  // namespace testsupport

#endif
