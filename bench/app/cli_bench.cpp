// taglo-cli rapport over 1 000 project files in one call, as a batch user runs it.
#include "cli/koersel.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;

constexpr int kAntalFiler = 1000;

// 1 000 project files: the eight reference projects and the default house, in turn.
std::vector<std::string> Projektfiler(const fs::path& mappe)
{
    fs::create_directories(mappe);
    std::vector<std::string> kilder{TAGLO_STANDARDFIL};
    for (int nr = 1; nr <= 8; ++nr)
    {
        kilder.push_back(std::string(TAGLO_REFERENCE_DIR) + "/projekt0" + std::to_string(nr) +
                         ".tgl");
    }
    std::vector<std::string> filer;
    for (int i = 0; i < kAntalFiler; ++i)
    {
        const auto sti = mappe / ("projekt" + std::to_string(i) + ".tgl");
        fs::copy_file(kilder[static_cast<std::size_t>(i) % kilder.size()], sti,
                      fs::copy_options::overwrite_existing);
        filer.push_back(sti.string());
    }
    return filer;
}

// The whole program: start, 1 000 reports to standard output (thrown away), exit.
void BM_TagloCliRapport1000Filer(benchmark::State& state)
{
    const auto mappe = fs::temp_directory_path() / "taglo_cli_bench";
    auto filer = Projektfiler(mappe);
    std::vector<std::string> argumenter{TAGLO_CLI, "rapport", "--tidspunkt", "2014-05-01,13:05:09"};
    argumenter.insert(argumenter.end(), filer.begin(), filer.end());
    std::vector<char*> argv;
    for (auto& a : argumenter)
    {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::string lang = "LANG=C";
    std::array<char*, 2> env{lang.data(), nullptr};

    for (auto _ : state)
    {
        posix_spawn_file_actions_t handlinger;
        posix_spawn_file_actions_init(&handlinger);
        posix_spawn_file_actions_addopen(&handlinger, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&handlinger, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int status = -1;
        if (posix_spawn(&pid, TAGLO_CLI, &handlinger, nullptr, argv.data(), env.data()) == 0)
        {
            waitpid(pid, &status, 0);
        }
        posix_spawn_file_actions_destroy(&handlinger);
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        {
            state.SkipWithError("taglo-cli failed");
            break;
        }
    }
    fs::remove_all(mappe);
}
BENCHMARK(BM_TagloCliRapport1000Filer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The same 1 000 reports inside the process, without its start.
void BM_KoerRapport1000Filer(benchmark::State& state)
{
    const auto mappe = fs::temp_directory_path() / "taglo_cli_bench_intern";
    cli::RapportKommando kommando;
    kommando.projekter = Projektfiler(mappe);
    kommando.tidspunkt = Tidspunkt{2014, 5, 1, 13, 5, 9};
    for (auto _ : state)
    {
        std::ostringstream ud;
        std::ostringstream fejl;
        benchmark::DoNotOptimize(
            cli::KoerRapport(kommando, Regionalindstillinger::Dansk(), ud, fejl));
    }
    fs::remove_all(mappe);
}
BENCHMARK(BM_KoerRapport1000Filer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
} // namespace taglo
