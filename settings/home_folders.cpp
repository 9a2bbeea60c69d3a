#include "settings/home_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

void SettleHomeFolders() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home != '/') {
        // The environment is all one thread's yet: getpwuid's buffer is ours.
        const passwd* user = ::getpwuid(::getuid());
        if (user != nullptr && user->pw_dir != nullptr && *user->pw_dir == '/') {
            ::setenv("HOME", user->pw_dir, 1);
        }
    }
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '/') {
            ::unsetenv(name);
        }
    }
}
