#include "RootFinderProgress.h"

#include <cstdio>
#include <cstring>

bool ReadRootFinderProgress(const std::string& line, CRootFinderProgress& progress)
{
    int count = 0, total = 0, end = 0;
    char stage[16] = {};
    if (std::sscanf(line.c_str(), "zsolve: %d of %d roots %15[a-z]%n", &count, &total, stage, &end) != 3
        || static_cast<size_t>(end) != line.size() || count < 0 || count > total)
        return false;
    const bool found = std::strcmp(stage, "found") == 0;
    if (!found && std::strcmp(stage, "certified") != 0)
        return false;
    // The certificate is checked once all roots are found.
    progress.found = found ? count : total;
    progress.certified = found ? 0 : count;
    progress.total = total;
    return true;
}
