#include "map/layers/CreditLayer.h"

#include "map/MapColours.h"

namespace {

constexpr int kCreditRightMargin = 5;
constexpr int kCreditBottomMargin = 3;

} // namespace

void DrawCredit(IDrawingSurface& surface)
{
    surface.DrawTextBottomRight(kCreditText, surface.ClientWidth() - kCreditRightMargin,
                                surface.ClientHeight() - kCreditBottomMargin, kCreditColour);
}
