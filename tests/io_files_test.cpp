// Files opened as existing and as new, the status open, close with delete, one file under two names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <solarlon/io.hpp>
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

TEST(Files, NewMustNotExistAndDeleteRemoves) {
    testsupport::Scratch dir;
    EXPECT_NE(io::open_status("OUT.SLG"), 0);
    {
        auto out = io::open_new("OUT.SLG");
        io::RecordWriter w(*out, "OUT.SLG");
        w.record("line");
    }
    EXPECT_EQ(testsupport::read_file("OUT.SLG"), "line\r\n");
    EXPECT_EQ(io::open_status("OUT.SLG"), 0);
    auto again = [](const char* n) { io::open_new(n); };
    EXPECT_NE(failure_of(again, "OUT.SLG").find("exists"), std::string::npos);
    EXPECT_EQ(testsupport::read_file("OUT.SLG"), "line\r\n") << "a refused open changes nothing";
    io::close_delete("OUT.SLG");
    EXPECT_FALSE(file_exists("OUT.SLG"));
    auto del = [](const char* n) { io::close_delete(n); };
    EXPECT_NE(failure_of(del, "OUT.SLG").find("'OUT.SLG'"), std::string::npos);
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
