// Guard, Hold  A temporary removed when the program is interrupted.
#include <cstring>

#include "detail.hpp"

#ifndef _WIN32
#include <csignal>
#include <unistd.h>
#endif

namespace solarlon::io::detail {

#ifndef _WIN32

namespace {

// The only state a handler may see: the name of one temporary, and whether it exists. One file mode
// runs at a time, so there is one guard at a time.
constexpr std::size_t kName = 8192;
char g_name[kName];
volatile std::sig_atomic_t g_exists = 0;
// The signals that end the program by default and that a user, a shell or a limit sends: each removes
// the temporary. SIGPIPE is ignored by the program, so a broken console is a write error instead.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU};
constexpr std::size_t kCount = sizeof kSignals / sizeof kSignals[0];
struct sigaction g_before[kCount];

extern "C" void on_signal(int sig) {
    if (g_exists != 0) ::unlink(g_name);
    ::_exit(128 + sig);
}

sigset_t guarded() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kSignals) sigaddset(&set, s);
    return set;
}

}  // namespace

bool Guard::arm(const std::string& name) {
    if (name.size() >= kName) return false;
    gone();
    {
        Hold hold;
        std::memcpy(g_name, name.c_str(), name.size() + 1);
        g_exists = 0;
    }
    for (std::size_t i = 0; i < kCount; ++i) {
        struct sigaction now;
        std::memset(&now, 0, sizeof now);
        now.sa_handler = on_signal;
        sigfillset(&now.sa_mask);
        sigaction(kSignals[i], nullptr, &g_before[i]);
        if (g_before[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &now, nullptr);
    }
    armed_ = true;
    return true;
}

void Guard::created() noexcept { g_exists = 1; }

void Guard::gone() noexcept {
    if (!armed_) return;
    Hold hold;
    g_exists = 0;
    for (std::size_t i = 0; i < kCount; ++i) sigaction(kSignals[i], &g_before[i], nullptr);
    armed_ = false;
}

Hold::Hold() noexcept {
    static_assert(sizeof(sigset_t) <= sizeof saved_, "a signal mask fits");
    const sigset_t set = guarded();
    sigset_t old;
    sigprocmask(SIG_BLOCK, &set, &old);
    std::memcpy(saved_, &old, sizeof old);
}

Hold::~Hold() {
    sigset_t old;
    std::memcpy(&old, saved_, sizeof old);
    sigprocmask(SIG_SETMASK, &old, nullptr);
}

#else

bool Guard::arm(const std::string&) {
    armed_ = true;
    return true;
}
void Guard::created() noexcept {}
void Guard::gone() noexcept { armed_ = false; }
Hold::Hold() noexcept : saved_{} {}
Hold::~Hold() = default;

#endif

}  // namespace solarlon::io::detail
