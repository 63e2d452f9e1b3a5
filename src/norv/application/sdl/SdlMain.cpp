// The engine's main function.
#include "norv/application/sdl/SdlMain.h"

#include "norv/application/CommandLine.h"
#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/SmartPtr.h"

extern "C" int SDL_main(int argc, char** argv)
{
    Norv::ParseCommandLine(argc, argv);
    Norv::SmartPtr<Norv::SdlApplication> app(Norv::CreateApplication());
    if (!app->IsStarted())
        return 1;
    return app->Run();
}
