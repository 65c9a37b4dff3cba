#include "dialogs/WindowColours.h"

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLUE = RGB(0, 0, 255);

}  // namespace

std::optional<CtlColor> WhiteFaceBlueText(UINT nCtlColor) {
    switch (nCtlColor) {
    case CTLCOLOR_STATIC:
        return CtlColor{WHITE, BLUE};
    case CTLCOLOR_DLG:
        return CtlColor{WHITE, std::nullopt};
    default:
        return std::nullopt;
    }
}
