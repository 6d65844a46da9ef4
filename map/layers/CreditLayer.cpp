#include "map/layers/CreditLayer.h"

#include "map/MapColours.h"

namespace {

constexpr int kCreditRightMargin = 5;
constexpr int kCreditBottomMargin = 3;

} // namespace

void DrawCredit(IDrawingSurface& surface, const std::string& timeNote)
{
    const std::string text = timeNote.empty() ? std::string(kCreditText) : std::string(kCreditText) + " - " + timeNote;
    surface.DrawTextBottomRight(text, surface.ClientWidth() - kCreditRightMargin,
                                surface.ClientHeight() - kCreditBottomMargin, kCreditColour);
}
