// Where the programs the system starts are found: never in the current folder, which may
// hold anything a user downloaded.
#include "CProcessHandle.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A regular file that may be run: a folder of the same name is no program.
bool isExecutable(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string executableFolder()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    const std::string path(buffer, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

// The absolute folders of PATH, in order. Empty and relative entries name folders relative
// to the current one and are skipped.
std::vector<std::string> pathFolders()
{
    const char* path = std::getenv("PATH");
    std::vector<std::string> folders;
    const std::string list = path ? path : "";
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        if (list[start] == '/')
            folders.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

}  // namespace

std::string FindProgram(const std::string& name)
{
    std::vector<std::string> folders = {executableFolder(), FILTER_INSTALL_BINDIR};
    const std::vector<std::string> path = pathFolders();
    folders.insert(folders.end(), path.begin(), path.end());
    for (const std::string& folder : folders)
        if (!folder.empty() && isExecutable(folder + "/" + name))
            return folder + "/" + name;
    return {};
}
