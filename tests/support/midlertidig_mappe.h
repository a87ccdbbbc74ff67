// A fresh folder of a test's own, removed with everything in it when the test is done.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace taglo::test
{

class MidlertidigMappe
{
  public:
    MidlertidigMappe()
    {
        std::filesystem::remove_all(sti);
        std::filesystem::create_directories(sti);
    }
    ~MidlertidigMappe()
    {
        std::error_code fejl;
        std::filesystem::remove_all(sti, fejl);
    }
    MidlertidigMappe(const MidlertidigMappe&) = delete;
    MidlertidigMappe& operator=(const MidlertidigMappe&) = delete;

    // The path of `navn` in the folder.
    [[nodiscard]] std::string operator/(const std::string& navn) const
    {
        return (sti / navn).string();
    }
    // Writes `bytes` as the file `navn` in the folder; returns its path.
    std::string Skriv(const std::string& navn, const std::string& bytes) const
    {
        std::ofstream(*this / navn, std::ios::binary) << bytes;
        return *this / navn;
    }

    const std::filesystem::path sti =
        std::filesystem::temp_directory_path() /
        ("taglo_" + std::to_string(::getpid()) + "_" + std::to_string(++antal));

  private:
    inline static int antal = 0;
};

} // namespace taglo::test
