// The zero viewer's reader of "root.bin" on any bytes, and the z-plane drawn from what it
// read into images, on screen and on paper, at the fixed scale and with Show All.
#include "CZeroplotDoc.h"
#include "FuzzCheck.h"
#include "RecordFile.h"
#include "ZPlanePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Whether the document holds what the bytes announce: the counted records that are
// present, bit for bit, and NaN for those a short file lacks.
void checkDocument(const CZeroplotDoc& doc, const std::string& bytes)
{
    if (bytes.size() < 2) {
        FUZZ_CHECK(!doc.m_pRoots && doc.m_nRoots == 0);
        return;
    }
    const exchange::RecordFile file = exchange::DecodeRecords(bytes);
    FUZZ_CHECK(doc.m_pRoots && doc.m_nRoots == file.count && doc.m_pRoots->GetSize() == file.count);
    for (int i = 0; i < file.count; ++i) {
        const CComplex& z = (*doc.m_pRoots)[i];
        if (i < file.present)
            FUZZ_CHECK(std::memcmp(&z, &file.records[i], sizeof z) == 0);
        else
            FUZZ_CHECK(std::isnan(z.re) && std::isnan(z.im));
    }
}

void draw(const CZeroplotDoc& doc)
{
    for (const QSize client : {QSize(240, 160), QSize(0, 0)})
        for (const bool printing : {false, true}) {
            QImage image(client.isEmpty() ? QSize(1, 1) : client, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            zplane::DrawZPlane(painter, doc, client, printing, Qt::white);
        }
}

// The folder the viewer reads "root.bin" from, and the one libFuzzer works in.
char g_folder[] = "/tmp/fuzz-root-file-XXXXXX";
int g_workFolder = -1;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    g_workFolder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (g_workFolder < 0 || !::mkdtemp(g_folder))
        std::abort();
    std::atexit([] { std::filesystem::remove_all(g_folder); });
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(std::string(g_folder) + "/" + exchange::kRootFile, std::ios::binary | std::ios::trunc) << bytes;
    if (::chdir(g_folder) != 0)
        std::abort();
    CZeroplotDoc doc;
    if (::fchdir(g_workFolder) != 0)
        std::abort();
    checkDocument(doc, bytes);
    for (const int showAll : {0, 1}) {
        doc.m_bShowAll = showAll;
        draw(doc);
    }
    return 0;
}
