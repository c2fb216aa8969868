#include "framework/stderr_capture.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Defined only where a sanitizer's runtime is linked in. A sanitizer that
// reports an error ends the process with _exit() unless it is told to
// abort, and would take the capture, its own report included, with it.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace fw {
namespace {

constexpr std::array kDeathSignals = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Shared with the handlers of a dying process, which may run in any thread
// at any moment: plain atomics, so that those handlers stay
// async-signal-safe. Whoever takes pendingMemory first copies it out, so
// that nothing is shown twice.
std::atomic<bool> inUse{false};
std::atomic<int> pendingMemory{-1};
std::atomic<int> pendingRealStderr{-1};
std::array<struct sigaction, kDeathSignals.size()> previousActions;

void OnDeathSignal(int signal, siginfo_t* info, void* context);

void WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

// Leaves alone a signal whose action someone else has set since.
void RestoreSignalActions() {
    for (std::size_t i = 0; i < kDeathSignals.size(); ++i) {
        struct sigaction current {};
        if (sigaction(kDeathSignals[i], nullptr, &current) == 0 &&
            (current.sa_flags & SA_SIGINFO) && current.sa_sigaction == &OnDeathSignal) {
            sigaction(kDeathSignals[i], &previousActions[i], nullptr);
        }
    }
}

// Async-signal-safe: read, write, lseek and dup2 alone.
void CopyOutForDeath() {
    const int savedErrno = errno;
    const int real = pendingRealStderr.load();
    const int memory = pendingMemory.exchange(-1);
    if (memory >= 0 && real >= 0) {
        dup2(real, STDERR_FILENO);
        char buffer[4096];
        if (lseek(memory, 0, SEEK_SET) == 0) {
            for (;;) {
                const ssize_t got = read(memory, buffer, sizeof buffer);
                if (got < 0 && errno == EINTR) {
                    continue;
                }
                if (got <= 0) {
                    break;
                }
                WriteAll(STDERR_FILENO, buffer, static_cast<std::size_t>(got));
            }
        }
    }
    errno = savedErrno;
}

void OnDeathSignal(int signal, siginfo_t* info, void*) {
    CopyOutForDeath();
    RestoreSignalActions();
    // A signal that was sent (kill, raise, abort) is sent once more, to be
    // delivered under the previous action as this handler returns. A fault
    // needs nothing: the instruction runs again and faults again, and a
    // sanitizer's handler then sees the fault itself.
    if (info->si_code <= 0) {
        raise(signal);
    }
}

// Each sanitizer runtime keeps its own callback, and GCC links the address
// and the undefined-behaviour sanitizers' as separate libraries, of which
// the weak symbol finds only the first.
void SetSanitizerDeathCallbacks(void (*callback)()) {
    if (!__sanitizer_set_death_callback) {
        return;
    }
    __sanitizer_set_death_callback(callback);
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            if (!info->dlpi_name || !std::strstr(info->dlpi_name, "san")) {
                return 0;
            }
            if (void* library = dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD)) {
                using Setter = void (*)(void (*)());
                if (const auto set = reinterpret_cast<Setter>(
                        dlsym(library, "__sanitizer_set_death_callback"))) {
                    set(*static_cast<void (**)()>(data));
                }
                dlclose(library);
            }
            return 0;
        },
        &callback);
}

}  // namespace

StderrCapture::StderrCapture() {
    if (inUse.exchange(true)) {
        return;
    }
    std::fflush(stderr);
    realStderr_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (realStderr_ >= 0) {
        memory_ = memfd_create("stderr", MFD_CLOEXEC);
    }
    if (memory_ < 0 || dup2(memory_, STDERR_FILENO) < 0) {
        for (const int fd : {memory_, realStderr_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        memory_ = realStderr_ = -1;
        inUse = false;
        return;
    }
    pendingRealStderr = realStderr_;
    pendingMemory = memory_;
    // A library that calls exit() while the capture is active.
    [[maybe_unused]] static const int atExit = std::atexit(&CopyOutForDeath);
    struct sigaction action {};
    action.sa_sigaction = &OnDeathSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kDeathSignals.size(); ++i) {
        sigaction(kDeathSignals[i], &action, &previousActions[i]);
    }
    SetSanitizerDeathCallbacks(&CopyOutForDeath);
}

StderrCapture::~StderrCapture() {
    if (Active()) {
        Write(Finish());
    }
}

std::size_t StderrCapture::Size() const {
    struct stat status {};
    return Active() && fstat(memory_, &status) == 0 ? static_cast<std::size_t>(status.st_size) : 0;
}

std::string StderrCapture::Finish() {
    if (!Active()) {
        return {};
    }
    SetSanitizerDeathCallbacks(nullptr);
    // Still there unless a dying thread has copied it out already.
    const int memory = pendingMemory.exchange(-1);
    std::fflush(stderr);
    dup2(realStderr_, STDERR_FILENO);
    RestoreSignalActions();
    pendingRealStderr = -1;
    std::string bytes;
    if (memory >= 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t got =
                pread(memory, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(memory_);
    close(realStderr_);
    memory_ = realStderr_ = -1;
    inUse = false;
    return bytes;
}

void StderrCapture::Write(std::string_view bytes) {
    std::fflush(stderr);
    WriteAll(STDERR_FILENO, bytes.data(), bytes.size());
}

}  // namespace fw
