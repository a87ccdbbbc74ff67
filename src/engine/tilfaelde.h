// One analysed pair of load combination and wind case, and the rankings of the cases.
#pragma once

#include "core/regional.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// Number of result categories, the index into Noegle and into the rankings.
inline constexpr std::size_t kAntalKategorier = 11;

// Result categories: what key value k of a case measures.
enum Kategori : std::size_t
{
    kGavludkragning = 0,         // max(UB1, UB2)
    kGavlfag = 1,                // UC, not the point-load case
    kGavlfagPkt = 2,             // UC of the point-load case
    kNormalfag = 3,              // max(UF, UG, UH), not the point-load case
    kNormalfagPkt = 4,           // max(UF, UG, UH) of the point-load case
    kTraekGavlspaer = 5,         // RB1zz, signed
    kKraftGavlspaer = 6,         // |RB1yy|
    kTraekForsteNormalspaer = 7, // RDEzz, signed
    kKraftForsteNormalspaer = 8, // |RDEyy|
    kTraekAndetNormalspaer = 9,  // RGzz, signed
    kKraftAndetNormalspaer = 10, // |RGyy|
};

// One case. Every load, reaction and moment is the design value divided by kmod, so cases
// of different load duration rank on one scale. Line loads kN/m, point loads and
// reactions kN, moments kNm, utilisations as fractions. zz: perpendicular to the roof,
// + outward; yy: in the roof plane across the batten, + up the slope. A reaction is the
// force the batten exerts on its support (+ uplift); moments + hogging. Moments from zz
// loads carry the suffix xx, moments from yy loads the suffix zz.
struct TLasttilfaelde
{
    std::int32_t Lastkomb = 0; // load combination 1..9
    char Vindtilf = 0;         // wind case 'a'..'x'; for combination 8 the point-load position
    double kmod = 0.0;
    double FzzEgen = 0.0;
    double FyyEgen = 0.0;
    double FzzSne = 0.0;
    double FyySne = 0.0;
    double FzzPkt = 0.0;
    double FyyPkt = 0.0;
    double Pd = 0.0; // kN, design point load, NOT divided by kmod
    double RB2zz = 0.0;
    double RB2yy = 0.0;
    double RB2Justzz = 0.0;
    double RB2Justyy = 0.0;
    double RB1zz = 0.0;
    double RB1yy = 0.0;
    double RDzz = 0.0;
    double RDyy = 0.0;
    double REzz = 0.0;
    double REyy = 0.0;
    double RGzz = 0.0;
    double RGyy = 0.0;
    double RDEzz = 0.0;
    double RDEyy = 0.0;
    double MB1xx = 0.0;
    double MB2xx = 0.0;
    double MCxx = 0.0;
    double MFxx = 0.0;
    double MGxx = 0.0;
    double MHxx = 0.0;
    double MB1zz = 0.0;
    double MB2zz = 0.0;
    double MCzz = 0.0;
    double MFzz = 0.0;
    double MGzz = 0.0;
    double MHzz = 0.0;
    double UB1 = 0.0;
    double UB2 = 0.0;
    double UC = 0.0;
    double UF = 0.0;
    double UG = 0.0;
    double UH = 0.0;
    std::array<double, kAntalKategorier> Noegle{};
};

// A node of a ranking: the case (its index in the case list) and its key value.
struct TRangElement
{
    std::size_t Tilfaelde = 0;
    double Noegle = 0.0;
};

// The engine's working lists of one run: the cases in the order analysed, and per
// category the ranking, largest key first, the earlier case first among equals.
struct TBeregning
{
    std::vector<TLasttilfaelde> Tilfaeldeliste;
    std::array<std::vector<TRangElement>, kAntalKategorier> Rangliste;

    // The governing case of category k (the head of its ranking); nullptr when empty.
    [[nodiscard]] const TLasttilfaelde* Hoved(std::size_t k) const
    {
        return Rangliste[k].empty() ? nullptr : &Tilfaeldeliste[Rangliste[k].front().Tilfaelde];
    }
};

// BeregnNoegler: the case's eleven key values from its utilisations and reactions (the
// table of categories above). A maximum that meets a value that is not a finite number
// is that value, so it reaches the ranking.
void BeregnNoegler(TLasttilfaelde& tilfaelde);

// IndsaetSorteret: inserts `element` into `rangliste`, which stays in descending key
// order: the element goes after the last element whose key is greater than or equal to
// its own, so among equal keys the case analysed first stays first. A key that is not a
// finite number counts as larger than every number, so the verdict that reads the head
// sees it; among such keys too the earlier case stays first.
void IndsaetSorteret(std::vector<TRangElement>& rangliste, TRangElement element);

// SorterKategori: builds ranking k from the whole case list, walking it from the first
// case analysed.
void SorterKategori(TBeregning& beregning, std::size_t k);

// TilfaeldeTekst: the case text of a record: `format` ("for lastkomb. %d: %s" or
// "for lastkombination %d: %s") with the combination number and its text, followed for
// combinations 5, 6 and 9 by ", vindtilfælde " and the wind case letter.
[[nodiscard]] std::string TilfaeldeTekst(std::string_view format, const TLasttilfaelde& tilfaelde,
                                         const Regionalindstillinger& regional);

} // namespace taglo
