// The window classes of the tab bar ("ButtonAnimate") and its tabs
// ("GoldButton"), registered once per process, with the resources the tabs
// share: the two tab faces, the classes' background brush and the tabs'
// caption font. All live until the process ends.
#pragma once
#include <windows.h>

namespace privacy {

// Loads the shared tab resources and registers both classes; later calls
// do nothing. False when a class could not be registered.
bool RegisterSkinWindowClasses();

struct SkinClassResources {
    HBITMAP tabNormal = nullptr;   // 11003
    HBITMAP tabPressed = nullptr;  // 11004
    HBRUSH background = nullptr;   // RGB(224,228,232)
    HFONT tabFont = nullptr;       // 10-point "System"
};
const SkinClassResources& SkinClasses();

constexpr char kTabBarClass[] = "ButtonAnimate";
constexpr char kTabClass[] = "GoldButton";

}  // namespace privacy
