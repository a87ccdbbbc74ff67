// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace taglo::test
{

class MidlertidigMappe
{
  public:
    MidlertidigMappe()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string navn =
            "taglo_report_" + std::string(info->test_suite_name()) + "_" + info->name();
        std::replace(navn.begin(), navn.end(), '/', '_');
        mappe_ = std::filesystem::temp_directory_path() / navn;
        std::error_code fejl;
        std::filesystem::remove_all(mappe_, fejl);
        std::filesystem::create_directories(mappe_);
    }
    ~MidlertidigMappe()
    {
        std::error_code fejl;
        std::filesystem::permissions(mappe_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fejl);
        std::filesystem::remove_all(mappe_, fejl);
    }
    MidlertidigMappe(const MidlertidigMappe&) = delete;
    MidlertidigMappe& operator=(const MidlertidigMappe&) = delete;

    [[nodiscard]] const std::filesystem::path& sti() const { return mappe_; }
    [[nodiscard]] std::string sti(const std::string& navn) const
    {
        return (mappe_ / navn).string();
    }

  private:
    std::filesystem::path mappe_;
};

} // namespace taglo::test
