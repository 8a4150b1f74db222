#include "support.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifndef _WIN32
#include <iconv.h>
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace testsupport {

Scratch::Scratch() {
    previous_ = fs::current_path().string();
    std::random_device rd;
    const fs::path p =
        fs::temp_directory_path() / ("solarlon-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    fs::create_directories(p);
    path_ = p.string();
    fs::current_path(p);
}

Scratch::~Scratch() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string read_file(const std::string& name) {
    std::ifstream f(name, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + name);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void write_file(const std::string& name, const std::string& bytes) {
    std::ofstream f(name, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + name);
}

bool file_exists(const std::string& name) {
    std::error_code ec;
    return fs::exists(name, ec);
}

RunResult run_program(const std::string& input, const std::string& args, const std::string& locale) {
    write_file(".stdin", input);
#ifdef _WIN32
    (void)locale;
    const std::string env;
#else
    const std::string env = "LC_ALL=" + locale + " ";
#endif
    const std::string cmd = env + "\"" + SOLARLON_EXE + "\" " + args + " < .stdin > .stdout 2> .stderr";
    const int rc = std::system(cmd.c_str());
    RunResult r;
#ifdef _WIN32
    r.status = rc;
#else
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
#endif
    r.out = read_file(".stdout");
    r.err = read_file(".stderr");
    fs::remove(".stdin");
    fs::remove(".stdout");
    fs::remove(".stderr");
    return r;
}

namespace {

std::string convert(const char* to, const char* from, const std::string& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert");
    std::string out(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcleft = in.size();
    char* dst = &out[0];
    std::size_t dstleft = out.size();
    const std::size_t rc = iconv(cd, &src, &srcleft, &dst, &dstleft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("text not convertible");
    out.resize(out.size() - dstleft);
    return out;
}

}  // namespace

std::string sjis(const std::string& utf8) {
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return convert("CP932", "UTF-8", crlf);
}

std::string utf8_of(const std::string& sjis_bytes) { return convert("UTF-8", "CP932", sjis_bytes); }

std::string golden(const std::string& name) { return read_file(std::string(SOLARLON_GOLDEN) + "/" + name); }

namespace {
const double RAD = std::acos(-1.0) / 180.0;  // radians per degree
}  // namespace

double angdiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

void from_ecliptic(double lon, double lat, double eps, double& x, double& y, double& z) {
    const double l = lon * RAD, b = lat * RAD, e = eps * RAD;
    const double xe = std::cos(b) * std::cos(l), ye = std::cos(b) * std::sin(l), ze = std::sin(b);
    x = xe;
    y = ye * std::cos(e) - ze * std::sin(e);
    z = ye * std::sin(e) + ze * std::cos(e);
}

void to_ecliptic(double x, double y, double z, double eps, double& lon, double& lat) {
    const double e = eps * RAD;
    const double ye = y * std::cos(e) + z * std::sin(e);
    const double ze = -y * std::sin(e) + z * std::cos(e);
    lon = std::atan2(ye, x) / RAD;
    lat = std::atan2(ze, std::hypot(x, ye)) / RAD;
}

}  // namespace testsupport
