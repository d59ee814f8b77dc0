#include "CommandLine.h"

#include <QtGlobal>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

namespace {

// Without any display Qt would abort with a long plugin report; one line says more.
bool display_available()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// The window lives in lib/Tavrook-window.so beside the executable (links followed);
// a folder of its own keeps it out of the system's library paths.
int run_window(int argc, char *argv[])
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::perror("Tavrook: cannot find its own folder");
        return EXIT_FAILURE;
    }
    const std::string executable(self, size_t(length));
    const std::string module =
        executable.substr(0, executable.rfind('/')) + "/lib/Tavrook-window.so";
    void *window = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto entry =
        window ? reinterpret_cast<int (*)(int, char *[])>(::dlsym(window, "tavrook_window_main"))
               : nullptr;
    if (!entry) {
        std::fprintf(stderr, "Tavrook: cannot load its window: %s\n", ::dlerror());
        return EXIT_FAILURE;
    }
    return entry(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    if (wants_commandLine(argc, argv))
        return run_commandLine(argc, argv);
    if (!display_available()) {
        std::fputs("Tavrook needs a desktop: no display found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset). Start it from a desktop session, or run the tests with ./test.sh.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    return run_window(argc, argv);
}
