// files.hpp  The files of the file modes: an input read through the platform's own calls, and an
//            output written whole or not at all under its name.
#ifndef SOLARLON_IO_FILES_HPP
#define SOLARLON_IO_FILES_HPP

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>

namespace solarlon::io {

// trimmed  A file name with leading and trailing blanks removed.
std::string trimmed(std::string_view name);

// InputFile  An input file of the file modes, read through the platform's own calls.
class InputFile : public ByteSource {
  public:
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    // fill  A read that fails is an input failure: "cannot read 'DATA.TXT': Input/output error".
    std::size_t fill(char* to, std::size_t cap) override;
    const std::string& name() const noexcept { return name_; }
    // is_standard_input  The file is the program's own standard input (the same file, pipe or
    //                    terminal, reopened as /dev/stdin or /dev/fd/0), which the console reads too.
    bool is_standard_input() const;

  private:
    friend std::unique_ptr<InputFile> open_old(std::string_view name);
    InputFile(std::string name, std::intptr_t handle) : name_(std::move(name)), h_(handle) {}
    std::string name_;
    std::intptr_t h_;  // a file descriptor, or a Windows HANDLE
};

// open_old  Opens an existing file for reading ("OLD"): a regular file, or a FIFO (a pipe) that is
//          read as a stream. A missing or unreadable file, a directory, a device, a socket or another
//          kind of file is a file failure naming it, but for the program's own terminal, which is
//          opened so that the caller may refuse it by name (InputFile::is_standard_input).
std::unique_ptr<InputFile> open_old(std::string_view name);

// OutputFile  The output of a file mode, written whole or not at all under its name.
//
// The records go to a temporary created exclusively beside NAME, mode 0600, under a name that cannot
// be foreseen ("NAME.unfinished-" and 16 random hex digits; ".unfinished-..." in the same folder when
// NAME leaves no room for the suffix), through a buffer of this object's own; the name itself is never
// opened, so a link planted there is replaced, not followed, and what appears under the name is
// always one run's output. Bytes are counted as the system confirms them and never written twice.
// While the temporary exists, every signal whose default action ends the program (SIGKILL and
// SIGSTOP aside) removes it and ends the program with status 128 + the signal number (POSIX).
class OutputFile {
  public:
    // Creates the temporary. A directory, FIFO, device or socket at NAME (or a link to one), and a
    // temporary that cannot be created, are file failures naming them; nothing is created then.
    explicit OutputFile(std::string name);
    // An unfinished temporary is removed; an old output under NAME stays as it was.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // record  TEXT and CR LF. A write that fails is a file failure ("cannot write to NAME: why").
    void record(std::string_view text);
    // commit  Writes what is buffered, gives the file its permission bits (those of the output it
    //         replaces less setuid, setgid and sticky where the user running the program owns that
    //         output, else 0666 less the umask), fsyncs, closes it,
    //         renames it to NAME and fsyncs the folder. Every failure is a file failure. A failing
    //         write leaves the temporary for keep_whole; a failure after it and before the rename
    //         removes the temporary; a failing folder fsync says that the output is in place.
    void commit();
    // keep_whole  After a failure while records were being written (a bad input line, a full disk, a
    //             size limit, the last write of commit): where something stood under NAME, the
    //             temporary is removed and that stays as it was; where nothing did, the records
    //             confirmed whole are committed under NAME and the last record left part-way is cut
    //             off. Reports nothing; when that cannot be done, the temporary is removed.
    void keep_whole() noexcept;

    // replaces  Something stood under NAME when the run began (an old output, or a link to one).
    bool replaces() const noexcept;
    // placed  The new output has been renamed to NAME.
    bool placed() const noexcept;
    const std::string& name() const noexcept { return name_; }
    const std::string& temporary() const noexcept { return temp_; }

  private:
    struct Impl;
    void drain();
    void place();
    void discard() noexcept;
    std::string name_, temp_;
    std::unique_ptr<Impl> p_;
};

// holds_file  A regular file stands under NAME (itself, or through a link): an old output, which a run
//             that fails keeps as it was.
bool holds_file(std::string_view name);

// same_file  True when both names denote one existing file (same name, or the same file reached
//           through a link or a case-insensitive file system).
bool same_file(std::string_view a, std::string_view b);

}  // namespace solarlon::io

#endif
