// Writes the workbench's icon as a PNG file of 64 x 64 pixels, for installation.
#include "AppIcon.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.png\n", argv[0]);
        return 2;
    }
    if (!DrawAppIcon(64).save(argv[1], "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
