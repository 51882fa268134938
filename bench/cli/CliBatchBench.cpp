// moneycalc-cli over batches of distinct lines ("1234.56*3+N"), run as a child process: the
// wall and processor time of the whole run, and its peak memory. The parser keeps every
// distinct text by design, so the memory above that of a run over no lines, divided by the
// lines, is what each stored line costs.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ChildRun {
    double WallSeconds = 0;
    double CpuSeconds = 0;
    double PeakBytes = 0;
};

double Seconds(const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; }

ChildRun RunCli(const fs::path& input)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = MONEYCALC_CLI;
    char* arguments[] = {program, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " MONEYCALC_CLI);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the calculator failed");
    return {wall.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
            usage.ru_maxrss * 1024.0};
}

// A file of distinct calculations, removed when the benchmark ends.
class InputFile {
public:
    explicit InputFile(long lines)
        : FPath(fs::temp_directory_path() / ("moneycalc-cli-bench-" + std::to_string(lines)))
    {
        std::ofstream file(FPath, std::ios::binary);
        for (long n = 0; n < lines; ++n)
            file << "1234.56*3+" << n << '\n';
    }
    ~InputFile() { fs::remove(FPath); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

double BaselinePeakBytes()
{
    static const double baseline = RunCli(InputFile(0).Path()).PeakBytes;
    return baseline;
}

void CliBatch(benchmark::State& state)
{
    const long lines = state.range(0);
    const InputFile input(lines);
    double cpuSeconds = 0;
    double peakBytes = 0;
    try {
        for (auto _ : state) {
            const ChildRun run = RunCli(input.Path());
            state.SetIterationTime(run.WallSeconds);
            cpuSeconds += run.CpuSeconds;
            peakBytes = std::max(peakBytes, run.PeakBytes);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["cpu_us_per_line"] = cpuSeconds / runs / lines * 1e6;
    state.counters["peak_MiB"] = peakBytes / (1024 * 1024);
    state.counters["bytes_per_line"] = (peakBytes - BaselinePeakBytes()) / lines;
}

BENCHMARK(CliBatch)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
