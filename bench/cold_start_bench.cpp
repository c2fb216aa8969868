// The cold start of the whole program, from spawning the process to its exit
// once its splash is exposed (nerq_first_window), beside the least Qt 6
// Widgets program that shows one window (minimal_qt_window). Both run as
// child processes on the offscreen platform, in alternating order within the
// same benchmark run, so the ratio compares like with like. The reported time
// is Nerq's per run; the counters give both per-run times, their ratio and
// each program's peak resident memory.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    long peakKiB = 0;  // ru_maxrss of this child alone
};

// The parent's environment with the offscreen platform.
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) {
            entries.emplace_back(*entry);
        }
    }
    entries.emplace_back("QT_QPA_PLATFORM=offscreen");
    return entries;
}

ChildRun SpawnToExit(const char* path) {
    static std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return run;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void BM_ColdStartToFirstWindow(benchmark::State& state) {
    // One untimed run of each first, so both start with their libraries in
    // the page cache.
    if (!SpawnToExit(NERQ_FIRST_WINDOW).ok || !SpawnToExit(MINIMAL_QT_WINDOW).ok) {
        state.SkipWithError("a program did not start and exit cleanly");
        return;
    }
    double nerqSeconds = 0, qtSeconds = 0;
    long nerqPeak = 0, qtPeak = 0;
    bool nerqFirst = true;
    for (auto _ : state) {
        ChildRun nerq, qt;
        if (nerqFirst) {
            nerq = SpawnToExit(NERQ_FIRST_WINDOW);
            qt = SpawnToExit(MINIMAL_QT_WINDOW);
        } else {
            qt = SpawnToExit(MINIMAL_QT_WINDOW);
            nerq = SpawnToExit(NERQ_FIRST_WINDOW);
        }
        nerqFirst = !nerqFirst;
        if (!nerq.ok || !qt.ok) {
            state.SkipWithError("a program did not start and exit cleanly");
            break;
        }
        state.SetIterationTime(nerq.seconds);
        nerqSeconds += nerq.seconds;
        qtSeconds += qt.seconds;
        nerqPeak = std::max(nerqPeak, nerq.peakKiB);
        qtPeak = std::max(qtPeak, qt.peakKiB);
    }
    if (qtSeconds <= 0) {
        return;
    }
    using benchmark::Counter;
    state.counters["nerq_ms"] = Counter(nerqSeconds * 1e3, Counter::kAvgIterations);
    state.counters["qt_ms"] = Counter(qtSeconds * 1e3, Counter::kAvgIterations);
    state.counters["ratio"] = nerqSeconds / qtSeconds;
    state.counters["nerq_peak_rss"] =
        Counter(static_cast<double>(nerqPeak) * 1024, Counter::kDefaults, Counter::kIs1024);
    state.counters["qt_peak_rss"] =
        Counter(static_cast<double>(qtPeak) * 1024, Counter::kDefaults, Counter::kIs1024);
}
BENCHMARK(BM_ColdStartToFirstWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);

}  // namespace
