#include "platform/ui/module.h"

// The linker's symbol at the start of the module this code is part of.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace ui {
namespace {

HINSTANCE g_resources = nullptr;

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace

HINSTANCE ResourceModule() { return g_resources ? g_resources : ThisModule(); }

void SetResourceModule(HINSTANCE module) { g_resources = module; }

std::string ResourceString(unsigned id) {
    char text[512] = "";
    LoadStringA(ResourceModule(), id, text, sizeof(text));
    return text;
}

bool OwnsProcessThreads() { return ThisModule() == GetModuleHandleA(nullptr); }

}  // namespace ui
