// The program's cold start, from starting the process to the first painted frame of the main
// window, and the process's peak memory. Each iteration starts the start-up probe afresh on
// the program's own folder and database, under the window system named by the benchmark:
//   build/bench/startup_bench                                     offscreen; xcb needs a display
//   xvfb-run -a -s '-screen 0 1024x768x24' build/bench/startup_bench --benchmark_filter=xcb
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct ProbeRun {
    double SecondsToShown = 0;
    double SecondsToExit = 0;
    long PeakKilobytes = 0;
    bool Shown = false;
};

// This process's environment with the window system replaced.
std::vector<std::string> ProbeEnvironment(std::string_view platform)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (!std::string_view(*variable).starts_with("QT_QPA_PLATFORM="))
            variables.emplace_back(*variable);
    variables.push_back("QT_QPA_PLATFORM=" + std::string(platform));
    if (!std::getenv("XDG_RUNTIME_DIR"))
        variables.push_back("XDG_RUNTIME_DIR=/tmp");
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

ProbeRun RunProbe(std::string_view platform)
{
    int output[2];
    if (pipe(output) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    std::vector<std::string> arguments = {STARTUP_PROBE, MONEYCALC_BIN_DIR};
    std::vector<std::string> environment = ProbeEnvironment(platform);
    ProbeRun run;
    pid_t probe = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&probe, STARTUP_PROBE, &actions, nullptr,
                                    Pointers(arguments).data(), Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned == 0) {
        char line[16] = {};
        run.Shown = read(output[0], line, sizeof line - 1) > 0 && std::string_view(line).starts_with("shown");
        run.SecondsToShown = std::chrono::duration<double>(Clock::now() - start).count();
        int status = 0;
        rusage usage{};
        wait4(probe, &status, 0, &usage);
        run.SecondsToExit = std::chrono::duration<double>(Clock::now() - start).count();
        run.PeakKilobytes = usage.ru_maxrss;
        run.Shown = run.Shown && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    close(output[0]);
    return run;
}

void BM_ColdStartToFirstFrame(benchmark::State& state, std::string_view platform)
{
    if (platform == "xcb" && !std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: run this one under xvfb-run");
        return;
    }
    long peakKilobytes = 0;
    double secondsToExit = 0;
    for (auto _ : state) {
        const ProbeRun run = RunProbe(platform);
        if (!run.Shown) {
            state.SkipWithError("the probe did not show its window and end cleanly");
            return;
        }
        state.SetIterationTime(run.SecondsToShown);
        peakKilobytes = std::max(peakKilobytes, run.PeakKilobytes);
        secondsToExit += run.SecondsToExit;
    }
    state.counters["peak_rss_MiB"] = double(peakKilobytes) / 1024;
    state.counters["to_exit_ms"] = secondsToExit * 1000 / double(state.iterations());
}

BENCHMARK_CAPTURE(BM_ColdStartToFirstFrame, offscreen, std::string_view("offscreen"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_ColdStartToFirstFrame, xcb, std::string_view("xcb"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
