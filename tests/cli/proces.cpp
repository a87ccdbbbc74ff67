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
    const std::string udSti = mappe + "/stdout.txt";
    const std::string fejlSti = mappe + "/stderr.txt";

    std::vector<std::string> argv{program};
    argv.insert(argv.end(), argumenter.begin(), argumenter.end());
    std::vector<char*> argvPeg;
    for (auto& a : argv)
    {
        argvPeg.push_back(a.data());
    }
    argvPeg.push_back(nullptr);

    std::vector<std::string> env = miljoe;
    for (const char* navn : {"PATH", "HOME"})
    {
        if (const char* vaerdi = std::getenv(navn))
        {
            env.push_back(std::string(navn) + "=" + vaerdi);
        }
    }
    std::vector<char*> envPeg;
    for (auto& e : env)
    {
        envPeg.push_back(e.data());
    }
    envPeg.push_back(nullptr);

    posix_spawn_file_actions_t handlinger;
    posix_spawn_file_actions_init(&handlinger);
    posix_spawn_file_actions_addopen(&handlinger, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&handlinger, 1, udSti.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&handlinger, 2, fejlSti.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);

    Udfald udfald;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &handlinger, nullptr, argvPeg.data(), envPeg.data()) ==
        0)
    {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        {
            udfald.status = WEXITSTATUS(status);
        }
    }
    posix_spawn_file_actions_destroy(&handlinger);
    udfald.ud = LaesHeleFilen(udSti);
    udfald.fejl = LaesHeleFilen(fejlSti);
    return udfald;
}

} // namespace taglo::test
