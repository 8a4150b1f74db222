// The real executable against kills, races, planted names and failing system calls while it writes an
// output: what appears under the output name is the old output or one run's whole output, never a
// torn or doubled record, and every failure ends with status 1 and its report.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "support.hpp"

namespace fs = std::filesystem;
using testsupport::file_exists;
using testsupport::read_file;
using testsupport::write_file;

namespace {

const std::string kRec = "531010.21 197.248\r\n";
const std::string kOld = "old output\r\n";
constexpr int kLines = 1500000;  // about half a second of conversion
constexpr int kShort = 20000;    // a few buffers

// The program started on console input INPUT (kept in OUT_FILE.in), its output to OUT_FILE; result:
// its process id.
pid_t start(const std::string& input, const std::string& out_file = ".stdout") {
    const std::string in_file = out_file + ".in";
    write_file(in_file, input);
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(in_file.c_str(), O_RDONLY);
        const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        execl(SOLARLON_EXE, SOLARLON_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Exit status, or 1000 + the signal that ended the process.
int finish(pid_t pid) {
    int st = 0;
    waitpid(pid, &st, 0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : 1000 + WTERMSIG(st);
}

std::vector<std::string> temporaries() {
    std::vector<std::string> t;
    for (const auto& e : fs::directory_iterator("."))
        if (e.path().filename().string().find(".unfinished-") != std::string::npos)
            t.push_back(e.path().filename().string());
    return t;
}

// Waits until a temporary has some bytes (the run is converting).
void wait_writing() {
    for (int i = 0; i < 2000; ++i) {
        for (const auto& t : temporaries()) {
            std::error_code ec;
            if (fs::file_size(t, ec) > 0 && !ec) return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string whole(int lines) {
    std::string s;
    s.reserve(static_cast<std::size_t>(lines) * kRec.size());
    for (int i = 0; i < lines; ++i) s += kRec;
    return s;
}

void dates(int lines) {
    std::string s;
    for (int i = 0; i < lines; ++i) s += "531010.21\r\n";
    write_file("D.TXT", s);
}

// True when the command runs under strace here (installed, and tracing allowed).
// Before a traced run: LeakSanitizer cannot work under a tracer, so a sanitized build runs without it.
const std::string kTraced = "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" strace ";

bool have_strace() {
    static const bool ok = std::system("strace -o /dev/null true > /dev/null 2>&1") == 0;
    return ok;
}

// The ordinal (counted from 1 among the calls of that name) of the call SYSCALL whose first argument is
// the descriptor of the file whose name holds NAME (the output's temporary unless said), the NTH of
// them; 0 when there is none. From a traced run, whose output is then put back to the old one.
int ordinal(const std::string& input, const std::string& syscall, int nth, const std::string& name = "unfinished") {
    write_file(".stdin", input);
    const std::string cmd =
        kTraced + "-o .trace -e trace=openat," + syscall + " \"" + SOLARLON_EXE + "\" < .stdin > /dev/null 2>&1";
    const int rc = std::system(cmd.c_str());
    write_file("D.SLG", kOld);
    if (rc != 0) return 0;
    std::istringstream log(read_file(".trace"));
    fs::remove(".trace");
    std::string fd;
    int count = 0, seen = 0;
    const std::regex opened("^openat\\(.*" + name + ".*\\) = (\\d+)");
    for (std::string line; std::getline(log, line);) {
        std::smatch m;
        if (std::regex_search(line, m, opened)) fd = m[1];
        if (line.rfind(syscall + "(", 0) != 0) continue;
        ++count;
        const std::string call = syscall + "(" + fd;
        if (!fd.empty() && line.compare(0, call.size(), call) == 0 && line.size() > call.size() &&
            (line[call.size()] == ',' || line[call.size()] == ')') && ++seen == nth)
            return count;
    }
    return 0;
}

// The program under strace, the call SYSCALL failing with ERRNO at its ordinal WHEN.
testsupport::RunResult injected(const std::string& input, const std::string& syscall, int when, const char* err) {
    write_file(".stdin", input);
    const std::string cmd = kTraced + "-o /dev/null -e trace=" + syscall + " -e inject=" + syscall + ":error=" + err +
                            ":when=" + std::to_string(when) + " \"" + SOLARLON_EXE + "\" < .stdin > .stdout 2> .stderr";
    const int rc = std::system(cmd.c_str());
    testsupport::RunResult r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = read_file(".stdout");
    return r;
}

struct Fault {
    const char* what;
    bool strace;  // needs strace
    int lines;    // of the input: long where a kill must find the run converting
    // Runs with D.TXT and an old D.SLG in place; checks what it left.
    std::function<void()> run;
};

const std::string kMode2 = "2\n2000\nD.TXT\n";

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<Fault> faults() {
    return {
        {"SIGKILL at several moments: the old output or the whole new one", false, kLines,
         [] {
             const std::string all = whole(kLines);
             for (int moment = 0; moment < 4; ++moment) {
                 write_file("D.SLG", kOld);
                 const pid_t pid = start(kMode2);
                 if (moment == 1) wait_writing();
                 if (moment == 2) std::this_thread::sleep_for(std::chrono::milliseconds(300));
                 if (moment < 3) kill(pid, SIGKILL);
                 const int st = finish(pid);
                 const std::string got = read_file("D.SLG");
                 EXPECT_TRUE(got == kOld || got == all) << "moment " << moment << ": " << got.size() << " bytes";
                 if (moment == 3) {
                     EXPECT_EQ(st, 0);
                 }
                 for (const auto& t : temporaries()) fs::remove(t);  // what a kill may leave, named as such
             }
         }},
        {"every signal that ends the program while writing: 128 + signal, no temporary, old output kept", false, kLines,
         [] {
             for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGVTALRM, SIGABRT, SIGRTMIN}) {
                 const pid_t pid = start(kMode2);
                 wait_writing();
                 kill(pid, sig);
                 EXPECT_EQ(finish(pid), 128 + sig) << sig;
                 EXPECT_TRUE(temporaries().empty()) << sig;
                 EXPECT_TRUE(read_file("D.SLG") == kOld) << sig;
             }
         }},
        {"two runs at once: each whole, one of them under the name", false, kLines,
         [] {
             const pid_t a = start(kMode2, ".out1");
             const pid_t b = start(kMode2, ".out2");
             EXPECT_EQ(finish(a), 0);
             EXPECT_EQ(finish(b), 0);
             EXPECT_TRUE(read_file("D.SLG") == whole(kLines)) << "the whole output";
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a link at the output name is replaced, its target untouched", false, kShort,
         [] {
             write_file("VICTIM", "precious\n");
             fs::remove("D.SLG");
             fs::create_symlink("VICTIM", "D.SLG");
             const auto r = testsupport::run_program(kMode2);
             EXPECT_EQ(r.status, 0);
             EXPECT_FALSE(fs::is_symlink("D.SLG"));
             EXPECT_EQ(read_file("VICTIM"), "precious\n");
             EXPECT_TRUE(read_file("D.SLG") == whole(kShort)) << "the whole output";
         }},
        {"a file another user planted under the name chooses no mode: 0666 less the umask", false, kShort,
         [] {
             ASSERT_EQ(chmod(".", 01777), 0);
             ASSERT_EQ(chmod("D.SLG", 0666), 0);
             if (chown("D.SLG", 65534, 65534) != 0) {  // another account's file: only root can make one here
                 std::cout << "[ SKIPPED ] the planted file: chown is not allowed here\n";
                 return;
             }
             const mode_t mask = umask(022);
             const auto r = testsupport::run_program(kMode2);
             umask(mask);
             EXPECT_EQ(r.status, 0);
             struct stat st {};
             ASSERT_EQ(stat("D.SLG", &st), 0);
             EXPECT_EQ(st.st_mode & 07777, 0644u) << std::oct << st.st_mode;
             EXPECT_EQ(st.st_uid, geteuid());
         }},
        {"a device as the input is refused before any output is made", false, kShort,
         [] {
             fs::create_symlink("/dev/zero", "Z.TXT");
             const auto r = testsupport::run_program("2\n2000\nZ.TXT\n");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out, "*ERR* file error: not a regular file: 'Z.TXT'\r\n")) << r.out;
             EXPECT_FALSE(file_exists("Z.SLG"));
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a folder that takes no new file: the old output kept, and said so", true, kShort,
         [] {
             write_file(".stdin", kMode2);
             const std::string cmd =
                 kTraced + "-o .trace -e trace=openat \"" + SOLARLON_EXE + "\" < .stdin > /dev/null 2>&1";
             ASSERT_EQ(std::system(cmd.c_str()), 0);
             write_file("D.SLG", kOld);
             int when = 0, n = 0;  // the ordinal of the temporary's openat
             std::istringstream log(read_file(".trace"));
             for (std::string line; when == 0 && std::getline(log, line);)
                 if (line.rfind("openat(", 0) == 0 && ++n > 0 && line.find("unfinished") != std::string::npos) when = n;
             ASSERT_GT(when, 0);
             const auto r = injected(kMode2, "openat", when, "EACCES");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out, "beside 'D.SLG': Permission denied; the old 'D.SLG' is kept\r\n")) << r.out;
             EXPECT_TRUE(read_file("D.SLG") == kOld);
         }},
        {"a FIFO at the output name is refused at once", false, kShort,
         [] {
             fs::remove("D.SLG");
             ASSERT_EQ(mkfifo("D.SLG", 0600), 0);
             const auto r = testsupport::run_program(kMode2);
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out, "*ERR* file error: cannot replace 'D.SLG': not a regular file\r\n")) << r.out;
             EXPECT_TRUE(fs::is_fifo("D.SLG"));
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a socket as the input is refused; a FIFO is read as a stream", false, kShort,
         [] {
             const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un addr{};
             addr.sun_family = AF_UNIX;
             std::strcpy(addr.sun_path, "S.TXT");
             ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
             const auto r = testsupport::run_program("2\n2000\nS.TXT\n");
             close(sock);
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out, "*ERR* file error: not a regular file: 'S.TXT'\r\n")) << r.out;
             EXPECT_FALSE(file_exists("S.SLG"));
             ASSERT_EQ(mkfifo("F.TXT", 0600), 0);
             std::thread writer([] { write_file("F.TXT", "531010.21\n"); });
             const auto f = testsupport::run_program("2\n2000\nF.TXT\n");
             writer.join();
             EXPECT_EQ(f.status, 0);
             EXPECT_EQ(read_file("F.SLG"), kRec);
         }},
        {"permission bits: the old output's without setuid and setgid; the temporary 0600 while written", false, kLines,
         [] {
             ASSERT_EQ(chmod("D.SLG", 04755), 0);
             const pid_t pid = start(kMode2);
             wait_writing();
             const auto t = temporaries();
             struct stat st {};
             EXPECT_TRUE(t.size() == 1 && stat(t[0].c_str(), &st) == 0 && (st.st_mode & 07777) == 0600)
                 << std::oct << st.st_mode;
             EXPECT_EQ(finish(pid), 0);
             ASSERT_EQ(stat("D.SLG", &st), 0);
             EXPECT_EQ(st.st_mode & 07777, 0755u) << std::oct << st.st_mode;
         }},
        {"a write that fails part-way: whole records once each, none after", true, kShort,
         [] {
             const int when = ordinal(kMode2, "write", 3);
             ASSERT_GT(when, 0);
             auto r = injected(kMode2, "write", when, "ENOSPC");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out,
                                   "*ERR* file error: cannot write to D.SLG: No space left on device; the old "
                                   "'D.SLG' is kept\r\n"))
                 << r.out;
             EXPECT_TRUE(read_file("D.SLG") == kOld) << "the old output";
             fs::remove("D.SLG");
             r = injected(kMode2, "write", when, "ENOSPC");
             EXPECT_TRUE(ends_with(r.out, "*ERR* file error: cannot write to D.SLG: No space left on device\r\n"))
                 << r.out;
             const std::string got = read_file("D.SLG");
             EXPECT_EQ(got.size(), 2 * 65536 / kRec.size() * kRec.size()) << "the two buffers written, cut back";
             EXPECT_TRUE(got == whole(static_cast<int>(got.size() / kRec.size()))) << "records in order, once each";
             EXPECT_TRUE(temporaries().empty());
         }},
        {"fsync fails: status 1, the old output kept", true, kShort,
         [] {
             const int when = ordinal(kMode2, "fsync", 1);
             ASSERT_GT(when, 0);
             const auto r = injected(kMode2, "fsync", when, "EIO");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out,
                                   "*ERR* file error: cannot flush to disk 'D.SLG': Input/output error; "
                                   "the old 'D.SLG' is kept\r\n"))
                 << r.out;
             EXPECT_TRUE(read_file("D.SLG") == kOld) << "the old output";
             EXPECT_TRUE(temporaries().empty());
         }},
        {"close fails: status 1, the old output kept", true, kShort,
         [] {
             const int when = ordinal(kMode2, "close", 1);
             ASSERT_GT(when, 0);
             const auto r = injected(kMode2, "close", when, "EIO");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out,
                                   "*ERR* file error: cannot close 'D.SLG': Input/output error; the old "
                                   "'D.SLG' is kept\r\n"))
                 << r.out;
             EXPECT_TRUE(read_file("D.SLG") == kOld) << "the old output";
             EXPECT_TRUE(temporaries().empty());
         }},
        {"rename fails: status 1, the old output kept", true, kShort,
         [] {
             const auto r = injected(kMode2, "rename", 1, "EACCES");
             EXPECT_EQ(r.status, 1);
             EXPECT_NE(r.out.find("*ERR* file error: cannot rename the new 'D.SLG' into place: Permission denied"),
                       std::string::npos)
                 << r.out;
             EXPECT_TRUE(read_file("D.SLG") == kOld) << "the old output";
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a bad first line: the old output kept and said so; without one, the whole records (none)", false, 1,
         [] {
             write_file("B.TXT", "xx1010.21\r\n531010.21\r\n");
             write_file("B.SLG", kOld);
             auto r = testsupport::run_program("2\n2000\nB.TXT\n");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out, "'xx1010.21'; the old 'B.SLG' is kept\r\n")) << r.out;
             EXPECT_EQ(read_file("B.SLG"), kOld);
             fs::remove("B.SLG");
             r = testsupport::run_program("2\n2000\nB.TXT\n");
             EXPECT_TRUE(ends_with(r.out, "'xx1010.21'\r\n")) << r.out;
             EXPECT_TRUE(file_exists("B.SLG") && read_file("B.SLG").empty());
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a size limit in the last write, a control byte in the name: whole records, the name escaped", false, 1,
         [] {
             std::string in;
             for (int i = 0; i < 400; ++i) in += "531010.21\r\n";
             write_file("E\x1b.TXT", in);
             write_file(".stdin", "2\n2000\nE\x1b.TXT\n");
             const std::string cmd = std::string("ulimit -f 8; \"") + SOLARLON_EXE + "\" < .stdin > .stdout";
             const int rc = std::system(cmd.c_str());
             EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 1);
             const std::string out = read_file(".stdout");
             EXPECT_TRUE(ends_with(out, "*ERR* file error: cannot write to E\\x1B.SLG: File too large\r\n")) << out;
             EXPECT_EQ(read_file("E\x1b.SLG"), whole(4096 / static_cast<int>(kRec.size())));
         }},
        {"the console as the input: refused before anything is created", false, 1,
         [] {
             for (const char* name : {"/dev/stdin", "/proc/self/fd/0"}) {
                 const auto r = testsupport::run_program(std::string("2\n2000\n") + name + "\n531010.21\n");
                 EXPECT_EQ(r.status, 1);
                 EXPECT_TRUE(ends_with(r.out, "*ERR* file error: cannot convert the console's own input '" +
                                                  std::string(name) + "': name a file\r\n"))
                     << r.out;
             }
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a 250-byte name converts: the temporary takes a shorter name beside it", false, 1,
         [] {
             const std::string stem(246, 'N');
             write_file(stem + ".TXT", "531010.21\r\n");
             EXPECT_EQ(testsupport::run_program("2\n2000\n" + stem + ".TXT\n").status, 0);
             EXPECT_EQ(read_file(stem + ".SLG"), kRec);
             EXPECT_TRUE(temporaries().empty());
         }},
        {"a broken console pipe: the report on standard error, status 1", false, 1,
         [] {
             write_file(".stdin", "1\n0\n1978 6 10 21 20 0\n\n");
             int p[2];
             ASSERT_EQ(pipe(p), 0);
             close(p[0]);  // nobody reads the console
             const pid_t pid = fork();
             if (pid == 0) {
                 const int in = open(".stdin", O_RDONLY);
                 const int err = open(".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
                 dup2(in, 0);
                 dup2(p[1], 1);
                 dup2(err, 2);
                 execl(SOLARLON_EXE, SOLARLON_EXE, static_cast<char*>(nullptr));
                 _exit(127);
             }
             close(p[1]);
             EXPECT_EQ(finish(pid), 1);
             EXPECT_EQ(read_file(".stderr"), "*ERR* file error: cannot write to console\r\n");
         }},
        {"the folder's fsync fails: status 1, the new output in place and said so", true, kShort,
         [] {
             const int when = ordinal(kMode2, "fsync", 1, "\"\\.\"");
             ASSERT_GT(when, 0);
             const auto r = injected(kMode2, "fsync", when, "EIO");
             EXPECT_EQ(r.status, 1);
             EXPECT_TRUE(ends_with(r.out,
                                   "*ERR* file error: the new 'D.SLG' is in place but may not survive a power "
                                   "cut: cannot flush its folder to disk: Input/output error\r\n"))
                 << r.out;
             EXPECT_TRUE(read_file("D.SLG") == whole(kShort)) << "the new output";
         }},
        {"the input cannot be read: the report names it", true, kShort,
         [] {
             const int when = ordinal(kMode2, "read", 2, "D.TXT");
             ASSERT_GT(when, 0);
             const auto r = injected(kMode2, "read", when, "EIO");
             EXPECT_EQ(r.status, 1);
             const std::string& out = r.out;
             EXPECT_TRUE(ends_with(
                 out, "*ERR* input error: cannot read 'D.TXT': Input/output error; the old 'D.SLG' is kept\r\n"))
                 << out;
             EXPECT_EQ(out.find("internal error"), std::string::npos);
         }},
    };
}

TEST(Faults, OutputIsOldOrWhole) {
    testsupport::Scratch dir;
    int lines = 0;
    for (const Fault& f : faults()) {
        SCOPED_TRACE(f.what);
        if (f.strace && !have_strace()) {
            std::cout << "[ SKIPPED ] " << f.what << ": strace cannot trace here\n";
            continue;
        }
        if (lines != f.lines) dates(lines = f.lines);
        for (const auto& t : temporaries()) fs::remove(t);
        fs::remove("D.SLG");
        write_file("D.SLG", kOld);
        f.run();
    }
}

// Standard output that cannot be written: the report goes to standard error. Standard input that
// cannot be read: the report says so, and why.
TEST(Faults, ConsoleThatFails) {
    testsupport::Scratch dir;
    write_file(".stdin", "1\n0\n1978 6 10 21 20 0\n\n");
    std::string cmd = std::string("\"") + SOLARLON_EXE + "\" < .stdin > /dev/full 2> .stderr";
    int rc = std::system(cmd.c_str());
    EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 1);
    EXPECT_EQ(read_file(".stderr"), "*ERR* file error: cannot write to console\r\n");
    for (const char* words : {"--help", "--version"}) {  // no write goes unreported
        cmd = std::string("\"") + SOLARLON_EXE + "\" " + words + " > /dev/full 2> .stderr";
        rc = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 1) << words;
        EXPECT_EQ(read_file(".stderr"), "*ERR* file error: cannot write to console\r\n") << words;
    }
    fs::create_directory("adir");
    cmd = std::string("\"") + SOLARLON_EXE + "\" < adir > .stdout 2> .stderr";
    rc = std::system(cmd.c_str());
    EXPECT_EQ(WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, 1);
    EXPECT_TRUE(ends_with(read_file(".stdout"), "\r\n*ERR* input error: cannot read the console: Is a directory\r\n"))
        << read_file(".stdout");
}

}  // namespace
