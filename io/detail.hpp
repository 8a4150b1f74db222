// detail.hpp  The I/O library's private helpers: file names as the platform takes them, and the
//             platform's words for a failed call.
#ifndef SOLARLON_IO_DETAIL_HPP
#define SOLARLON_IO_DETAIL_HPP

#include <filesystem>
#include <string>

namespace solarlon::io::detail {

// path_of  The name as typed, as the platform's path. Elsewhere its bytes pass unchanged (the narrow,
//          native encoding). Windows names are UTF-16: the typed bytes are decoded from the console's
//          input code page (Shift-JIS, or UTF-8 when the console is set to 65001), or the ANSI code page
//          when there is no console.
std::filesystem::path path_of(const std::string& name);

// why  The text of the platform's last error (errno; GetLastError on Windows), e.g. "Input/output error".
std::string why();

// why_code  The text of error code CODE (an errno value; a Windows error code on Windows).
std::string why_code(int code);

// Guard  While one lives, every signal whose default action ends the program (all but SIGKILL and
//        SIGSTOP, which cannot be caught) removes the temporary it was given (if it has been created)
//        and ends the program with status 128 + the signal number; a signal that was ignored stays
//        ignored. The name is copied into a
//        fixed buffer before the file exists, so that the handler does nothing but unlink() and
//        _exit(). POSIX only; elsewhere it does nothing.
class Guard {
  public:
    // Result of ARM: false when NAME does not fit the guard's buffer.
    bool arm(const std::string& name);
    // created  The temporary exists now (call with the signals held).
    void created() noexcept;
    // gone  The temporary is renamed or removed: the signals end the program as before.
    void gone() noexcept;
    ~Guard() { gone(); }

  private:
    bool armed_ = false;
};

// Hold  The guarded signals wait while one lives (between creating the temporary and saying so, and
//       around the rename), so that a signal never finds the guard and the file out of step.
class Hold {
  public:
    Hold() noexcept;
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

  private:
    unsigned char saved_[256];  // the signal mask before (a sigset_t)
};

}  // namespace solarlon::io::detail

#endif
