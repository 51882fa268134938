// The program's cold start, from starting the process to the first painted frame of the main
// window, and on to the first finished calculation (the window's 计算 on the example
// expression), with the process's peak memory. Each iteration starts the start-up probe
// afresh on the program's own folder and database, under the window system named by the
// benchmark:
//   build/bench/startup_bench                                     offscreen; xcb needs a display
//   xvfb-run -a -s '-screen 0 1024x768x24' build/bench/startup_bench --benchmark_filter=xcb
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Where the probe stops: its argument and the word it writes at that moment.
struct ProbeFinish {
    std::vector<std::string> Arguments;
    std::string_view Word;
};

const ProbeFinish FirstFrame{{}, "shown"};
const ProbeFinish FirstCalculation{{"calculate"}, "calculated"};

struct ProbeRun {
    double SecondsToFinish = 0;
    double SecondsToExit = 0;
    long PeakKilobytes = 0;
    bool Finished = false;
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

ProbeRun RunProbe(std::string_view platform, const ProbeFinish& finish)
{
    int output[2];
    if (pipe(output) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    std::vector<std::string> arguments = {STARTUP_PROBE, MONEYCALC_BIN_DIR};
    arguments.insert(arguments.end(), finish.Arguments.begin(), finish.Arguments.end());
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
        run.Finished = read(output[0], line, sizeof line - 1) > 0
                       && std::string_view(line).starts_with(finish.Word);
        run.SecondsToFinish = std::chrono::duration<double>(Clock::now() - start).count();
        int status = 0;
        rusage usage{};
        wait4(probe, &status, 0, &usage);
        run.SecondsToExit = std::chrono::duration<double>(Clock::now() - start).count();
        run.PeakKilobytes = usage.ru_maxrss;
        run.Finished = run.Finished && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    close(output[0]);
    return run;
}

void ColdStart(benchmark::State& state, std::string_view platform, const ProbeFinish& finish)
{
    if (platform == "xcb" && !std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: run this one under xvfb-run");
        return;
    }
    long peakKilobytes = 0;
    double secondsToExit = 0;
    for (auto _ : state) {
        const ProbeRun run = RunProbe(platform, finish);
        if (!run.Finished) {
            state.SkipWithError("the probe did not reach its finish and end cleanly");
            return;
        }
        state.SetIterationTime(run.SecondsToFinish);
        peakKilobytes = std::max(peakKilobytes, run.PeakKilobytes);
        secondsToExit += run.SecondsToExit;
    }
    state.counters["peak_rss_MiB"] = double(peakKilobytes) / 1024;
    state.counters["to_exit_ms"] = secondsToExit * 1000 / double(state.iterations());
}

void BM_ColdStartToFirstFrame(benchmark::State& state, std::string_view platform)
{
    ColdStart(state, platform, FirstFrame);
}

void BM_ColdStartToFirstCalculation(benchmark::State& state, std::string_view platform)
{
    ColdStart(state, platform, FirstCalculation);
}

BENCHMARK_CAPTURE(BM_ColdStartToFirstFrame, offscreen, std::string_view("offscreen"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_ColdStartToFirstFrame, xcb, std::string_view("xcb"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_ColdStartToFirstCalculation, offscreen, std::string_view("offscreen"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_ColdStartToFirstCalculation, xcb, std::string_view("xcb"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
