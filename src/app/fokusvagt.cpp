#include "app/fokusvagt.h"

#include <algorithm>

namespace taglo
{

void TFokusvagt::FokusInd(const std::string& kontrol, Aarsag aarsag)
{
    // A focus that the program or a tab change moves there is no entry: leaving it again
    // changes nothing, unless the user types or chooses meanwhile.
    if (!iHaandtering_ && aarsag == Aarsag::Bruger)
    {
        skalForlades_.insert(kontrol);
    }
    std::erase(ventende_, kontrol);
}

bool TFokusvagt::FokusUd(const std::string& kontrol, Aarsag aarsag)
{
    if (iHaandtering_ || aarsag == Aarsag::Midlertidig || !skalForlades_.contains(kontrol))
    {
        return false;
    }
    ventende_.push_back(kontrol);
    return true;
}

void TFokusvagt::Aendret(const std::string& kontrol)
{
    skalForlades_.insert(kontrol);
    if (kontrol == afvist_)
    {
        afvist_.clear();
    }
}

void TFokusvagt::FokusLagtTilbage(const std::string& kontrol)
{
    skalForlades_.clear();
    skalForlades_.insert(kontrol);
    afvist_ = kontrol;
}

bool TFokusvagt::Forlad(const std::string& kontrol)
{
    skalForlades_.erase(kontrol);
    std::erase(ventende_, kontrol);
    if (kontrol == afvist_)
    {
        afvist_.clear();
    }
    const Handling handling(iHaandtering_);
    return forlad_(kontrol);
}

bool TFokusvagt::ForladVentende(bool genkontroller)
{
    while (!ventende_.empty())
    {
        const std::string kontrol = ventende_.front();
        ventende_.erase(ventende_.begin());
        if (!skalForlades_.contains(kontrol) || kontrol == fokus_() ||
            (!genkontroller && kontrol == afvist_))
        {
            continue;
        }
        if (!Forlad(kontrol))
        {
            ventende_.clear();
            return false;
        }
    }
    return true;
}

bool TFokusvagt::ForladFelt()
{
    if (iHaandtering_ || !ForladVentende(true))
    {
        return false;
    }
    const std::string fokus = fokus_();
    if (!fokus.empty() && skalForlades_.contains(fokus))
    {
        return Forlad(fokus);
    }
    return true;
}

void TFokusvagt::ForladFeltUdenGenkontrol()
{
    if (iHaandtering_ || !ForladVentende(false))
    {
        return;
    }
    const std::string fokus = fokus_();
    if (!fokus.empty() && fokus != afvist_ && skalForlades_.contains(fokus))
    {
        static_cast<void>(Forlad(fokus));
    }
}

void TFokusvagt::BehandlVentende()
{
    // Only the controls left: the control just entered is left later.
    if (!iHaandtering_)
    {
        static_cast<void>(ForladVentende(true));
    }
}

} // namespace taglo
