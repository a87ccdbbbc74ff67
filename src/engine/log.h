// The log list of intermediate results.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace taglo
{

// Logliste of one calculation run: exists only when the level is above 0 (1 limited,
// 2 detailed); LogLinie does nothing otherwise.
class TLogliste
{
  public:
    TLogliste() = default;
    // StartLog: a new, empty list for the log level `niveau`.
    explicit TLogliste(int niveau) : niveau_(niveau) {}

    [[nodiscard]] int niveau() const { return niveau_; }
    [[nodiscard]] bool findes() const { return niveau_ > 0; }

    // LogLinie: appends the line when the list exists.
    void LogLinie(std::string linje)
    {
        if (findes())
        {
            linjer_.push_back(std::move(linje));
        }
    }

    [[nodiscard]] const std::vector<std::string>& linjer() const { return linjer_; }
    [[nodiscard]] std::vector<std::string>& linjer() { return linjer_; }

  private:
    int niveau_ = 0;
    std::vector<std::string> linjer_;
};

} // namespace taglo
