// Small building blocks that the figure builders and dimension lines share.
#pragma once

#include "drawing/tegning.h"

#include <cstdint>
#include <initializer_list>

namespace taglo
{

// A solid, 1 pixel wide polygon through the points, outlined in `pen` and filled solid
// with `fyld`.
void FyldtFigur(TTegning& tegning, std::uint16_t pen, std::uint16_t fyld,
                std::initializer_list<TTegnPunkt> punkter);

// An unfilled polyline through the points in colour `pen`, with the given pen width and style.
void Linje(TTegning& tegning, std::uint16_t pen, std::initializer_list<TTegnPunkt> punkter,
           std::uint16_t bredde = 1, std::uint16_t stil = kPenFuld);

// A marker of kind `art` at one point, black.
void Maerke(TTegning& tegning, std::uint8_t art, double x, double y);

// An invisible one-point figure (white, unfilled) that reserves room for texts in the view.
void Anker(TTegning& tegning, double x, double y);

} // namespace taglo
