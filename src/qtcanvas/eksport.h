// Painting a drawing as the window's paint boxes do, and saving it as a PNG or SVG picture.
#pragma once

#include "core/meddelelser.h"
#include "drawing/tegning.h"

#include <QFont>

#include <filesystem>
#include <optional>
#include <string>

class QImage;
class QPainter;

namespace taglo
{

// The drawings' font: a 12-pixel sans. The window asks for "MS Sans Serif"; where it is
// absent Liberation Sans or DejaVu Sans takes its place.
[[nodiscard]] QFont TegningensSkrift();

// TegnPaaMaler: paints the drawing into a paint box of bredde x hoejde pixels at the
// painter's origin, fitted with the same scale on both axes, in the drawings' font. Does
// not clear the background. The painter must be active.
void TegnPaaMaler(QPainter& maler, int bredde, int hoejde, const TTegning& tegning);

// The default size of an exported figure, in pixels.
inline constexpr int kEksportBredde = 1000;
inline constexpr int kEksportHoejde = 700;
// The largest side of an exported figure, in pixels.
inline constexpr int kStoersteEksportSide = 10000;

enum class TBilledformat
{
    Png,
    Svg,
};

// The picture format named by a file's extension (".png" or ".svg", any case); none for
// any other extension.
[[nodiscard]] std::optional<TBilledformat> BilledformatAfFilnavn(const std::filesystem::path& fil);

// TegningSomBillede: the drawing painted on a white picture of bredde x hoejde pixels, as
// the window's paint box would paint it. Sides must be 1..kStoersteEksportSide.
[[nodiscard]] QImage TegningSomBillede(const TTegning& tegning, int bredde, int hoejde);

// TegningSomBilledfil: the bytes of a PNG or SVG file of the drawing on a white picture of
// bredde x hoejde pixels; nothing for a side outside 1..kStoersteEksportSide.
[[nodiscard]] std::optional<std::string>
TegningSomBilledfil(const TTegning& tegning, TBilledformat format, int bredde, int hoejde);

// EksporterTegning: saves the drawing as a picture of bredde x hoejde pixels on a white
// background in `fil`, as every file of the program is saved (GemFil), so a failed save
// leaves an existing file intact. A side outside 1..kStoersteEksportSide or a
// file that cannot be written is reported through meddelelser.fejl and gives false.
// Needs a QGuiApplication (with QT_QPA_PLATFORM=offscreen where there is no display).
[[nodiscard]] bool EksporterTegning(const TTegning& tegning, const std::filesystem::path& fil,
                                    TBilledformat format, int bredde, int hoejde,
                                    Meddelelser& meddelelser);

} // namespace taglo
