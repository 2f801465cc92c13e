#pragma once
// The HTML Help viewer, loaded when first asked for. Opening answers false
// when the viewer or the file cannot be opened, so the caller can say so.
#include <windows.h>
#include <string>

namespace ui {

// command: HH_DISPLAY_TOC, HH_DISPLAY_TOPIC ... of the viewer.
bool OpenHtmlHelp(HWND owner, const std::string& file, UINT command, DWORD_PTR data = 0);
// Closes every viewer window this program opened.
void CloseHtmlHelp();

}  // namespace ui
