// The SDL shell: start-up, the event loop and teardown.
#include "norv/application/sdl/SdlApplication.h"

#include "norv/application/AppGlobals.h"
#include "norv/application/BenchFrameLimit.h"
#include "norv/application/DesktopServices.h"
#include "norv/application/FramePacer.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/BareGLSetup.h"
#include "norv/application/sdl/GLDriverPin.h"
#include "norv/application/sdl/SdlInputContext.h"
#include "norv/application/sdl/SdlVersion.h"
#include "norv/base/core/StopRequest.h"

#include <SDL_opengl.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace Norv {

SdlApplication* SdlApplication::s_instance = nullptr;

namespace {

// How long each idle pass sleeps while the application is paused.
constexpr Uint32 kPausedSleepMs = 100;

SmartPtr<GraphicsSetup>& GraphicsSlot()
{
    static SmartPtr<GraphicsSetup> slot;
    return slot;
}

void ReportSdlError(char const* step)
{
    std::fprintf(stderr, "%s failed: %s\n", step, SDL_GetError());
}

void RequestStop(int signal)
{
    StopRequest::Request(signal);
}

// In place of SDL's own handlers, which only queue a quit event: the main
// loop sees the request at its next pass, and a script that keeps the loop
// from coming round is stopped by the script watchdog.
void EndOnTerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

void SdlApplication::UseGraphicsSetup(GraphicsSetup* setup)
{
    GraphicsSlot().Reset(setup);
}

SdlApplication::SdlApplication(unsigned int flags) : AbstractApp(flags)
{
    s_instance = this;
    graphics = GraphicsSlot() ? GraphicsSlot() : SmartPtr<GraphicsSetup>(new BareGLSetup);
    started = Start();
}

SdlApplication::~SdlApplication()
{
    if (started)
        graphics->ShutdownOpenGL();
    display.Release();
    SDL_Quit();
    s_instance = nullptr;
}

bool SdlApplication::Start()
{
    if (!IsSdlVersionSupported(*SDL_Linked_Version())) {
        std::printf("SDL 1.2.14 required.\n");
        return false;
    }
    // Only SDL's X11 driver offers OpenGL; without a display SDL would
    // otherwise take over the terminal with a text-mode driver first.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        ReportSdlError("Starting SDL's video");
        return false;
    }
    // Without a sound device the game still runs, silently.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        ReportSdlError("Starting SDL's audio");
    EndOnTerminationSignals();
    SDL_WM_SetCaption(g_applicationName.c_str(), g_applicationName.c_str());
    if (!OpenWindow())
        return false;
    PinGLDrivers();
    graphics->InitializeOpenGL();
    if (antiAliasing != 0)
        glEnable(GL_MULTISAMPLE);
    ShowCursor(!(GetFlags() & HideCursor));
    SetLanguageCodes();
    OpenDisplay();
    inputContext.Reset(new SdlInputContext(this));
    return true;
}

// The OpenGL window at the command line's size; when the multisampled
// visual is refused, once more without multisampling.
bool SdlApplication::OpenWindow()
{
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, vSync ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, (GetFlags() & DepthBuffer32) ? 32 : 0);
    if (antiAliasing != 0) {
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 1);
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, antiAliasing);
    }
    int const width = g_screenWidth * screenScale;
    int const height = g_screenHeight * screenScale;
    if (SetVideoMode(width, height, g_fullScreen))
        return true;
    if (antiAliasing != 0) {
        ReportSdlError("Opening a multisampled window");
        antiAliasing = 0;
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
        if (SetVideoMode(width, height, g_fullScreen))
            return true;
    }
    ReportSdlError("Opening the OpenGL window");
    return false;
}

bool SdlApplication::SetVideoMode(int width, int height, bool full)
{
    Uint32 mode = SDL_OPENGL;
    if (full)
        mode |= SDL_FULLSCREEN;
    else if (!lockres)
        mode |= SDL_RESIZABLE;
    return SDL_SetVideoMode(width, height, 32, mode) != nullptr;
}

void SdlApplication::OpenDisplay()
{
    display = graphics->OpenScreen();
    if (display && loopRunning)
        display->SkipUnchangedFrames();
}

int SdlApplication::Run()
{
    OnStartup();
    // From here on frames are the loop's own; a start-up that draws frames
    // of its own (a benchmark's) has every one of them drawn.
    loopRunning = true;
    if (display)
        display->SkipUnchangedFrames();
    FramePacer pacer;
    BenchFrameLimit benchLimit = BenchFrameLimit::FromEnvironment();
    Uint32 last = SDL_GetTicks();
    while (!StopRequest::Take()) {
        SDL_Event event;
        if (!SDL_PollEvent(&event)) {
            double const started = SteadySeconds();
            Uint32 const now = SDL_GetTicks();
            // Signed, so the tick counter's wrap gives a small step.
            std::int32_t const elapsedMs = static_cast<std::int32_t>(now - last);
            PrivateTick(elapsedMs / 1000.0f);
            last = now;
            if (IsPaused()) {
                SDL_Delay(kPausedSleepMs);
                continue;
            }
            double const presented = SteadySeconds();
            if (benchLimit.CountFrame(started, presented))
                Exit();
            double const sleep = pacer.SleepAfterFrame(presented);
            if (!WantsNextFrameAtOnce())
                std::this_thread::sleep_for(std::chrono::duration<double>(sleep));
            continue;
        }
        inputContext->OnEvent(event);
        if (event.type == SDL_QUIT)
            break;
        // Input may change what is drawn, and an expose or a resize loses
        // the window's content.
        if (display)
            display->RedrawNext();
        HandleEvent(event);
    }
    OnShutdown();
    return exitStatus;
}

void SdlApplication::HandleEvent(SDL_Event const& event)
{
    switch (event.type) {
    case SDL_ACTIVEEVENT:
        OnActive(event.active);
        break;
    case SDL_MOUSEMOTION:
        OnMouseMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        OnMouseButton(event.button);
        break;
    case SDL_VIDEORESIZE:
        OnVideoResize(event.resize);
        break;
    default:
        break;
    }
}

void SdlApplication::OnActive(SDL_ActiveEvent const& active)
{
    if (!(GetFlags() & PassWindowActivation))
        return;
    if (active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))
        PrivateFocusChange(active.gain == 1);
    else if (active.state & SDL_APPMOUSEFOCUS)
        OnMouseFocusChange(active.gain == 1);
}

// Every held button moves its own touch; the pointer itself is touch -1.
void SdlApplication::OnMouseMotion(SDL_MouseMotionEvent const& motion)
{
    int const x = motion.x / screenScale;
    int const y = motion.y / screenScale;
    for (int id = 0; id < 8; ++id) {
        if (motion.state & (1u << id))
            PrivateTouchMove(x, y, id);
    }
    PrivateTouchMove(x, y, -1);
}

// Buttons 1-3 are touches 0-2; the wheel (4 up, 5 down) scrolls on press,
// and every release, the wheel's included, ends touch button - 1.
void SdlApplication::OnMouseButton(SDL_MouseButtonEvent const& button)
{
    int const x = button.x / screenScale;
    int const y = button.y / screenScale;
    if (button.type == SDL_MOUSEBUTTONUP) {
        PrivateTouchUp(x, y, button.button - 1);
        return;
    }
    if (button.button >= SDL_BUTTON_LEFT && button.button <= SDL_BUTTON_RIGHT)
        PrivateTouchDown(x, y, button.button - 1);
    else if (button.button == SDL_BUTTON_WHEELUP)
        OnScrollUp(x, y);
    else if (button.button == SDL_BUTTON_WHEELDOWN)
        OnScrollDown(x, y);
}

void SdlApplication::OnVideoResize(SDL_ResizeEvent const& resize)
{
    if (!SetVideoMode(resize.w, resize.h, false))
        ReportSdlError("Resizing the window");
    OpenDisplay();
    OnResize(resize.w >> (screenScale - 1), resize.h >> (screenScale - 1));
}

void SdlApplication::Exit()
{
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

void SdlApplication::ExitWithStatus(int status)
{
    exitStatus = status;
    Exit();
}

void SdlApplication::SetFullscreen(bool full, int width, int height)
{
    if (!SetVideoMode(width * screenScale, height * screenScale, full))
        ReportSdlError("Changing the video mode");
    OpenDisplay();
    OnResize(width, height);
}

void SdlApplication::ShowCursor(bool show)
{
    DesktopServices::ShowCursor(show);
}

bool SdlApplication::OpenWebBrowser(WideString const& url)
{
    if (g_fullScreen)
        DesktopServices::Minimalize(true);
    return DesktopServices::OpenWebBrowser(url);
}

void SdlApplication::SetLanguageCodes()
{
    AppGlobals* globals = AppGlobals::Get();
    globals->languageCode = DesktopServices::GetLanguageCode();
    globals->countryCode = DesktopServices::GetCountryCode();
}

} // namespace Norv
