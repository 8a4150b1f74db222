// Files opened as existing and as new, the status open, close with delete, one file under two names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <solarlon/io.hpp>

#include "io/files.hpp"
#include "support.hpp"

using namespace solarlon;
using testsupport::file_exists;
using testsupport::write_file;

namespace {

std::string failure_of(void (*f)(const char*), const char* name) {
    try {
        f(name);
    } catch (const io::Failure& e) {
        EXPECT_EQ(e.kind(), io::Kind::File);
        return e.what();
    }
    return "(no failure)";
}

TEST(Files, OpenOldFailuresNameTheFile) {
    testsupport::Scratch dir;
    std::filesystem::create_directory("adir");
    auto open = [](const char* n) { io::open_old(n); };
    EXPECT_NE(failure_of(open, "MISSING.TXT").find("'MISSING.TXT'"), std::string::npos);
    EXPECT_NE(failure_of(open, "adir").find("directory"), std::string::npos);
    EXPECT_NE(failure_of(open, "   ").find("no file name"), std::string::npos);
}

TEST(Files, NamesAreTrimmed) {
    testsupport::Scratch dir;
    write_file("DATA.TXT", "x\n");
    EXPECT_EQ(io::trimmed("  DATA.TXT   "), "DATA.TXT");
    EXPECT_EQ(io::trimmed("    "), "");
    auto in = io::open_old("  DATA.TXT          ");
    io::RecordReader r(*in, "DATA.TXT");
    std::string rec;
    ASSERT_TRUE(r.read(rec));
    EXPECT_EQ(rec, "x");
}

// Nothing appears under the name until the commit; then the whole output, with the permission bits of
// the output it replaced, and no temporary left. An output dropped unfinished leaves the old one.
TEST(Files, OutputAppearsWholeUnderItsName) {
    testsupport::Scratch dir;
    namespace fs = std::filesystem;
    write_file("OUT.SLG", "old\r\n");
    fs::permissions("OUT.SLG", fs::perms::owner_read | fs::perms::owner_write);
    auto listing = [] {
        std::size_t n = 0;
        for (const auto& e : fs::directory_iterator(".")) n += e.path().filename().string().rfind("OUT.SLG", 0) == 0;
        return n;
    };
    {
        io::OutputFile out("OUT.SLG");
        io::RecordWriter w(out);
        w.record("line");
        EXPECT_EQ(testsupport::read_file("OUT.SLG"), "old\r\n");
        EXPECT_EQ(out.temporary().rfind("OUT.SLG.unfinished-", 0), 0u) << out.temporary();
        EXPECT_TRUE(file_exists(out.temporary()));
    }
    EXPECT_EQ(testsupport::read_file("OUT.SLG"), "old\r\n") << "dropped unfinished";
    EXPECT_EQ(listing(), 1u);
    {
        io::OutputFile out("OUT.SLG");
        io::RecordWriter w(out);
        w.record("line");
        w.record(std::string(100000, 'x'));  // longer than the buffer
        out.commit();
    }
    EXPECT_EQ(testsupport::read_file("OUT.SLG"), "line\r\n" + std::string(100000, 'x') + "\r\n");
    EXPECT_EQ(fs::status("OUT.SLG").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(listing(), 1u);
}

TEST(Files, SameFileThroughLinks) {
    testsupport::Scratch dir;
    write_file("A.TXT", "a\n");
    write_file("B.TXT", "b\n");
    EXPECT_TRUE(io::same_file("A.TXT", " A.TXT "));
    EXPECT_FALSE(io::same_file("A.TXT", "B.TXT"));
    EXPECT_FALSE(io::same_file("A.TXT", "NONE.TXT"));
    std::error_code ec;
    std::filesystem::create_symlink("A.TXT", "L.SLG", ec);
    if (!ec) {
        EXPECT_TRUE(io::same_file("A.TXT", "L.SLG"));
    }
    std::filesystem::create_hard_link("A.TXT", "H.SLG", ec);
    if (!ec) {
        EXPECT_TRUE(io::same_file("A.TXT", "H.SLG"));
    }
    EXPECT_TRUE(io::same_file("A.TXT", "./A.TXT"));
}

}  // namespace
