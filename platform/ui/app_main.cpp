// The entry point of a windowed program built on the application object.
#include "platform/ui/app.h"
#include "platform/ui/module.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    ui::SetResourceModule(instance);
    ui::App* app = ui::App::Current();
    return app ? app->Run(instance, commandLine, show) : 1;
}
