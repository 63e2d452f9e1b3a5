// The desktop layer on Linux: xdg-open for the browser, SDL for the cursor
// and the window, and the locale environment for language and country.
#include "norv/application/DesktopServices.h"

#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Norv {

namespace {

// The first of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG that
// names a real locale, such as "en_GB.UTF-8"; "" when none does.
std::string PreferredLocale()
{
    char const* const variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (char const* variable : variables) {
        char const* value = std::getenv(variable);
        if (!value)
            continue;
        std::string locale(value);
        locale = locale.substr(0, locale.find(':'));
        std::string const language = locale.substr(0, locale.find_first_of("_.@"));
        if (!language.empty() && language != "C" && language != "POSIX")
            return locale;
    }
    return "";
}

// "en_GB.UTF-8@euro" without its codeset and modifier: "en_GB".
std::string LanguageAndTerritory()
{
    std::string const locale = PreferredLocale();
    return locale.substr(0, locale.find_first_of(".@"));
}

// Starts the launcher in a grandchild, so no child is left to reap, and
// learns through a pipe closed on exec whether the exec succeeded.
bool Launch(char const* program, char const* argument)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    pid_t const child = fork();
    if (child == 0) {
        int failure = 0;
        pid_t const launcher = fork();
        if (launcher == 0) {
            execvp(program, argv);
            failure = errno;
        } else if (launcher < 0) {
            failure = errno;
        }
        if (failure != 0 && write(pipeEnds[1], &failure, sizeof failure) < 0)
            _exit(127);
        _exit(failure != 0 ? 127 : 0);
    }
    close(pipeEnds[1]);
    if (child < 0) {
        close(pipeEnds[0]);
        return false;
    }
    int status = 0;
    waitpid(child, &status, 0);
    int failure = 0;
    ssize_t const got = read(pipeEnds[0], &failure, sizeof failure);
    close(pipeEnds[0]);
    if (got > 0) {
        std::fprintf(stderr, "Could not start %s: %s\n", program, std::strerror(failure));
        return false;
    }
    return true;
}

} // namespace

bool DesktopServices::OpenWebBrowser(WideString const& url)
{
    NarrowString const address(url);
    if (address.empty())
        return false;
    return Launch("xdg-open", address.c_str());
}

void DesktopServices::ShowCursor(bool show)
{
    // With the cursor hidden in a grabbed (full-screen) window, SDL on X11
    // turns to relative motion: the pointer is warped to the middle and its
    // moves are summed, so a pointer that jumps (a tablet, a touch screen, a
    // remote desktop) is seen far from where it points. Only the picture is
    // to go: the game draws its own cursor where the pointer is. A player's
    // own setting of the variable is kept.
    setenv("SDL_MOUSE_RELATIVE", "0", 0);
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void DesktopServices::Minimalize(bool minimise)
{
    // SDL 1.2 cannot bring a minimised window back; the user does.
    if (minimise)
        SDL_WM_IconifyWindow();
}

NarrowString DesktopServices::GetLanguageCode()
{
    std::string code = LanguageAndTerritory();
    std::size_t const separator = code.find('_');
    if (separator != std::string::npos)
        code[separator] = '-';
    return code;
}

NarrowString DesktopServices::GetCountryCode()
{
    std::string const code = LanguageAndTerritory();
    std::size_t const separator = code.find('_');
    return separator == std::string::npos ? std::string() : code.substr(separator + 1);
}

} // namespace Norv
