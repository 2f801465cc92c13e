// The program's one application object, over the real registry and message boxes.
#include <windows.h>

#include "tuning/model/win32_registry.h"
#include "tuning/tessaline_app.h"

namespace {

tuning::Win32Registry g_registry(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE);
ui::ScreenMessagePrompt g_prompt;
tuning::CTessalineApp g_app(g_registry, g_prompt);

}  // namespace
