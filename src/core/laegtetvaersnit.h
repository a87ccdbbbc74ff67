// The batten sections the design suggestion tries: sizes sold for roof battens in Denmark.
#pragma once

#include <array>

namespace taglo
{

// A batten section as the inputs hold it, in mm: the height perpendicular to the roof
// plane (LegteHojde) and the width parallel to it (LegteBredde).
struct TLaegtetvaersnit
{
    double LegteHojde = 0.0;  // mm
    double LegteBredde = 0.0; // mm

    // The cross-section area in mm2, which orders sections from the lightest.
    [[nodiscard]] constexpr double Areal() const { return LegteHojde * LegteBredde; }
    bool operator==(const TLaegtetvaersnit&) const = default;
};

// The sections tried, from the lightest. Where each size is sold as a roof batten:
inline constexpr std::array<TLaegtetvaersnit, 6> kLaegtetvaersnit{{
    // Sawn lath; the thinnest batten under light roofing. No trade source at hand lists it
    // in a roof-batten range: tried because it is a stock lath size.
    {25.0, 50.0},
    // Sawn lath, the older batten under light roofing. No trade source at hand lists it in
    // a roof-batten range: tried because it is a stock lath size.
    {32.0, 50.0},
    // T1 (C18) roof batten, the former standard size; still allowed by the trade agreement
    // at rafter spacings up to 0.75 m (godetage.dk, "Taglægter").
    {38.0, 56.0},
    // T1 (C18) roof batten, the standard size since 1 January 2006 at rafter spacings up to
    // 1 m (godetage.dk, "Taglægter").
    {38.0, 73.0},
    // Construction timber used as a batten over wide rafter spacings. No trade source at
    // hand lists it in a roof-batten range: tried as the next step up from 38 x 73.
    {45.0, 70.0},
    // Construction timber ("regel") used as a batten over wide rafter spacings and as a
    // counter batten. No trade source at hand lists it in a roof-batten range.
    {45.0, 95.0},
}};

} // namespace taglo
