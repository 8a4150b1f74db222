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
// The signals whose default action ends the program (SIGKILL and SIGSTOP cannot be caught): each
// removes the temporary. SIGPIPE and SIGXFSZ are ignored by the program, so that a broken console or
// a size limit is a write error instead; an ignored signal stays ignored.
constexpr int kFixed[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV,
    SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGIO
    SIGIO,
#endif
#if defined(SIGPOLL) && (!defined(SIGIO) || SIGPOLL != SIGIO)
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
#ifdef SIGLOST
    SIGLOST,
#endif
};
constexpr int kMaxSignal = 128;         // above every signal number of the systems in use
struct sigaction g_before[kMaxSignal];  // each guarded signal's action before the guard

// Whether signal S is guarded: a fixed one, or a real-time signal (whose default ends the program).
bool guarded_signal(int s) {
    if (s <= 0 || s >= kMaxSignal) return false;
#ifdef SIGRTMIN
    if (s >= SIGRTMIN && s <= SIGRTMAX) return true;
#endif
    for (int f : kFixed)
        if (f == s) return true;
    return false;
}

extern "C" void on_signal(int sig) {
    if (g_exists != 0) ::unlink(g_name);
    ::_exit(128 + sig);
}

sigset_t guarded() {
    sigset_t set;
    sigemptyset(&set);
    for (int s = 1; s < kMaxSignal; ++s)
        if (guarded_signal(s)) sigaddset(&set, s);
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
    for (int s = 1; s < kMaxSignal; ++s) {
        if (!guarded_signal(s)) continue;
        struct sigaction now;
        std::memset(&now, 0, sizeof now);
        now.sa_handler = on_signal;
        sigfillset(&now.sa_mask);
        if (sigaction(s, nullptr, &g_before[s]) != 0) continue;
        if (g_before[s].sa_handler != SIG_IGN) sigaction(s, &now, nullptr);
    }
    armed_ = true;
    return true;
}

void Guard::created() noexcept { g_exists = 1; }

void Guard::gone() noexcept {
    if (!armed_) return;
    Hold hold;
    g_exists = 0;
    for (int s = 1; s < kMaxSignal; ++s)
        if (guarded_signal(s)) sigaction(s, &g_before[s], nullptr);
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
