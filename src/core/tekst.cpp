#include "core/tekst.h"

#include <array>
#include <cstdint>
#include <optional>

namespace taglo
{
namespace
{

// Code points of the Windows-1252 bytes 0x80..0x9F; the undefined ones map to
// themselves.
constexpr std::array<char32_t, 32> kWindows1252Hoej{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98..0x9F
};

struct Afkodet
{
    char32_t tegn;
    std::size_t laengde;
};

// Decodes the UTF-8 sequence at `pos`; nothing when it is not well-formed.
std::optional<Afkodet> AfkodUtf8(std::string_view s, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t b0 = byte(pos);
    if (b0 < 0x80)
    {
        return Afkodet{b0, 1};
    }
    std::size_t laengde = 0;
    char32_t tegn = 0;
    char32_t mindst = 0;
    if ((b0 & 0xE0U) == 0xC0U)
    {
        laengde = 2;
        tegn = b0 & 0x1FU;
        mindst = 0x80;
    }
    else if ((b0 & 0xF0U) == 0xE0U)
    {
        laengde = 3;
        tegn = b0 & 0x0FU;
        mindst = 0x800;
    }
    else if ((b0 & 0xF8U) == 0xF0U)
    {
        laengde = 4;
        tegn = b0 & 0x07U;
        mindst = 0x10000;
    }
    else
    {
        return std::nullopt;
    }
    if (pos + laengde > s.size())
    {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < laengde; ++i)
    {
        const std::uint8_t b = byte(pos + i);
        if ((b & 0xC0U) != 0x80U)
        {
            return std::nullopt;
        }
        tegn = (tegn << 6U) | (b & 0x3FU);
    }
    if (tegn < mindst || tegn > 0x10FFFF || (tegn >= 0xD800 && tegn <= 0xDFFF))
    {
        return std::nullopt;
    }
    return Afkodet{tegn, laengde};
}

void TilfoejUtf8(std::string& ud, char32_t tegn)
{
    if (tegn < 0x80)
    {
        ud.push_back(static_cast<char>(tegn));
    }
    else if (tegn < 0x800)
    {
        ud.push_back(static_cast<char>(0xC0U | (tegn >> 6U)));
        ud.push_back(static_cast<char>(0x80U | (tegn & 0x3FU)));
    }
    else
    {
        ud.push_back(static_cast<char>(0xE0U | (tegn >> 12U)));
        ud.push_back(static_cast<char>(0x80U | ((tegn >> 6U) & 0x3FU)));
        ud.push_back(static_cast<char>(0x80U | (tegn & 0x3FU)));
    }
}

std::optional<char> TilWindows1252Tegn(char32_t tegn)
{
    if (tegn < 0x80 || (tegn >= 0xA0 && tegn <= 0xFF))
    {
        return static_cast<char>(tegn);
    }
    for (std::size_t i = 0; i < kWindows1252Hoej.size(); ++i)
    {
        if (kWindows1252Hoej[i] == tegn)
        {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::size_t AntalTegn(std::string_view utf8)
{
    std::size_t antal = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++antal)
    {
        const auto afkodet = AfkodUtf8(utf8, pos);
        pos += afkodet ? afkodet->laengde : 1;
    }
    return antal;
}

std::string ForsteTegn(std::string_view utf8, std::size_t antal)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < antal && pos < utf8.size(); ++n)
    {
        const auto afkodet = AfkodUtf8(utf8, pos);
        pos += afkodet ? afkodet->laengde : 1;
    }
    return std::string(utf8.substr(0, pos));
}

std::string FraWindows1252(std::string_view bytes)
{
    std::string ud;
    ud.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes)
    {
        const auto b = static_cast<std::uint8_t>(c);
        if (b >= 0x80 && b < 0xA0)
        {
            TilfoejUtf8(ud, kWindows1252Hoej[b - 0x80U]);
        }
        else
        {
            TilfoejUtf8(ud, b);
        }
    }
    return ud;
}

std::string TilWindows1252(std::string_view utf8)
{
    std::string ud;
    ud.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
    {
        const auto afkodet = AfkodUtf8(utf8, pos);
        if (!afkodet)
        {
            ud.push_back('?');
            ++pos;
            continue;
        }
        ud.push_back(TilWindows1252Tegn(afkodet->tegn).value_or('?'));
        pos += afkodet->laengde;
    }
    return ud;
}

} // namespace taglo
