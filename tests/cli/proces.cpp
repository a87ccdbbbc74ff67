#include "proces.h"

#include "reference.h"

#include <cstdlib>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace taglo::test
{

Udfald KoerProgram(const std::string& program, const std::vector<std::string>& argumenter,
                   const std::vector<std::string>& miljoe, const std::string& mappe)
{
    // The arguments, a null pointer, the environment and a null pointer, as exec takes them.
    std::vector<std::string> tekster{program};
    tekster.insert(tekster.end(), argumenter.begin(), argumenter.end());
    const std::size_t antalArgumenter = tekster.size();
    tekster.insert(tekster.end(), miljoe.begin(), miljoe.end());
    for (const char* navn : {"PATH", "HOME"})
    {
        if (const char* vaerdi = std::getenv(navn))
        {
            tekster.push_back(std::string(navn) + "=" + vaerdi);
        }
    }
    // The user's own settings (the firm's name) from the test's folder, not the user's.
    tekster.push_back("XDG_CONFIG_HOME=" + mappe);
    std::vector<char*> peger;
    for (auto& tekst : tekster)
    {
        peger.push_back(tekst.data());
    }
    peger.insert(peger.begin() + static_cast<std::ptrdiff_t>(antalArgumenter), nullptr);
    peger.push_back(nullptr);

    const std::string ud = mappe + "/stdout.txt";
    const std::string fejl = mappe + "/stderr.txt";
    posix_spawn_file_actions_t handlinger;
    posix_spawn_file_actions_init(&handlinger);
    posix_spawn_file_actions_addopen(&handlinger, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&handlinger, 1, ud.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&handlinger, 2, fejl.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Udfald udfald;
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, program.c_str(), &handlinger, nullptr, peger.data(),
                    peger.data() + antalArgumenter + 1) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    {
        udfald.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&handlinger);
    udfald.ud = LaesHeleFilen(ud);
    udfald.fejl = LaesHeleFilen(fejl);
    return udfald;
}

} // namespace taglo::test
