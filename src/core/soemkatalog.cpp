#include "core/soemkatalog.h"

namespace taglo
{

std::vector<std::string> FyldSoemliste(TNails& nails)
{
    nails.fill(nullptr);
    std::vector<std::string> navne;
    navne.reserve(kSoemKatalog.size());
    for (std::size_t i = 0; i < kSoemKatalog.size(); ++i)
    {
        nails[i] = &kSoemKatalog[i];
        navne.emplace_back(kSoemKatalog[i].Name);
    }
    return navne;
}

} // namespace taglo
