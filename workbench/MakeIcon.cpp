// filter-make-icon DIR SIZE...: writes the workbench's icon for the hicolor icon theme under
// DIR, as DIR/NxN/apps/filter-workbench.png for each SIZE N (1 to 1024 pixels) and as
// DIR/scalable/apps/filter-workbench.svg.
#include "AppIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Writes bytes to DIR/subfolder/apps/filter-workbench.suffix; false when it cannot.
bool WriteIcon(const QString& dir, const QString& subfolder, const char* suffix, const QByteArray& bytes)
{
    const QString folder = dir + "/" + subfolder + "/apps";
    QFile file(folder + "/filter-workbench." + suffix);
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && file.flush();
}

// The icon of size x size pixels as PNG bytes.
QByteArray Png(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DrawAppIcon(size).save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (argc < 3 || std::any_of(sizes.begin(), sizes.end(), [](int size) { return size < 1 || size > 1024; })) {
        std::fprintf(stderr, "usage: %s DIR SIZE... (sizes of 1 to 1024 pixels)\n", argv[0]);
        return 2;
    }
    const QString dir = QFile::decodeName(argv[1]);
    bool written = WriteIcon(dir, "scalable", "svg", AppIconSvg());
    for (int size : sizes)
        written = written && WriteIcon(dir, QString("%1x%1").arg(size), "png", Png(size));
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the icons under %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
