// Test support: scratch directories, file bytes, runs of the real executable, and the angles and
// instants that several tests share.
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
    int status = -1;  // exit status, -1 when the process did not exit normally
    std::string out;  // standard output, bytes
    std::string err;  // standard error, bytes
};

// Runs the program built by this tree with INPUT as its standard input and ARGS (shell words) as its
// arguments, in the current directory, with the locale LOCALE (LC_ALL; POSIX shells only).
RunResult run_program(const std::string& input, const std::string& args = "", const std::string& locale = "C");

// UTF-8 text converted to Shift-JIS (CP932) bytes, with each LF turned into CR LF.
std::string sjis(const std::string& utf8);
// Shift-JIS (CP932) bytes decoded to UTF-8; throws on bytes that are not CP932.
std::string utf8_of(const std::string& sjis_bytes);

// Bytes of a file under tests/golden.
std::string golden(const std::string& name);

// Signed difference A - B of two angles, degrees, in (-180, 180].
double angdiff(double a, double b);

// An instant as the routines take it: year, month, day, hour, minute, second, UT; the hour may be
// negative or above 23 and the day may carry a fraction.
struct Instant {
    double y, mo, d, h, mi, s;
};

// Equatorial rectangular unit vector X, Y, Z of ecliptic longitude LON and latitude LAT, for the
// obliquity EPS; all angles in degrees.
void from_ecliptic(double lon, double lat, double eps, double& x, double& y, double& z);

// Ecliptic longitude LON, in (-180, 180], and latitude LAT (degrees) of the equatorial rectangular
// vector X, Y, Z (any length), for the obliquity EPS (degrees).
void to_ecliptic(double x, double y, double z, double eps, double& lon, double& lat);

}  // namespace testsupport

#endif
