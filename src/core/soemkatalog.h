// The catalogue of the ten nail types that a batten can be fastened with.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// One nail type. Lengths in mm, strength parameters in N/mm2.
struct TNailData
{
    std::string_view Name; // shown in the nail list and the report
    double HeadDiam = 0.0; // head diameter dh
    double Diam = 0.0;     // shank diameter d
    double ProfileStart =
        0.0; // from the underside of the head to the profiled part; 0 for smooth nails
    double ProfileLength = 0.0; // profiled length; for smooth nails the whole anchoring shank
    double fax = 0.0;   // characteristic withdrawal parameter; 4.5 or less marks a smooth nail
    double fhead = 0.0; // characteristic head pull-through parameter
};

// The catalogue in list order. Row 8 has a profiled length of 110 mm although its name
// says 100 mm, and row 2's name has no blank before "130": both as the catalogue has them.
inline constexpr std::array<TNailData, 10> kSoemKatalog{{
    {"3,1 x 90 mm ringet søm (som i SKRIFT 12)", 6.2, 3.1, 35.35, 50.0, 7.0, 14.0},
    {"3,1 x 98 mm ringet søm (som i SKRIFT 12)", 6.2, 3.1, 58.35, 35.0, 7.0, 14.0},
    {"3,8 x130 mm ringet søm (som i SKRIFT 12)", 7.6, 3.8, 84.3, 40.0, 7.0, 14.0},
    {"4,2 x 130 mm ringet søm (som i SKRIFT 12)", 8.4, 4.2, 83.7, 40.0, 7.0, 14.0},
    {"4,5 x 90 mm lægtesøm", 11.0, 4.5, 35.25, 48.0, 7.0, 14.0},
    {"4,5 x 110 mm lægtesøm", 11.0, 4.5, 55.25, 48.0, 7.0, 14.0},
    {"4,5 x 130 mm lægtesøm", 11.0, 4.5, 75.25, 48.0, 7.0, 14.0},
    {"3,4 x 90 mm firkantsøm", 8.5, 3.4, 0.0, 90.0, 2.45, 8.6},
    {"3,8 x 100 mm firkantsøm", 9.5, 3.8, 0.0, 110.0, 2.45, 8.6},
    {"4,6 x 130 mm firkantsøm", 11.0, 4.6, 0.0, 130.0, 2.45, 8.6},
}};

// Number of slots of the nail table; the catalogue fills the first ten.
inline constexpr std::size_t kSoemPladser = 40;

// The nail table Nails: slot i refers to catalogue row i, or is empty (nullptr).
using TNails = std::array<const TNailData*, kSoemPladser>;

// FyldSoemliste: empties all slots of `nails`, puts a reference to each catalogue row into
// the next slot, and returns the names in the same order, for the nail list. The list
// index therefore equals the catalogue index.
std::vector<std::string> FyldSoemliste(TNails& nails);

} // namespace taglo
