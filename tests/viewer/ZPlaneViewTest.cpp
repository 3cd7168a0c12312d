#include "CZeroplotDoc.h"
#include "CZeroplotView.h"
#include "Resource.h"
#include "PdfText.h"
#include "ViewerTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// A view of 2100 x 2100 pixels, where one logical unit is one pixel: logical (x, y) is
// pixel (1050 + x, 1050 - y).
class ZPlaneView : public ::testing::Test {
protected:
    // Renders a view of a document read from a "root.bin" holding bytes (none: no file).
    QImage Render(const std::string* bytes, bool showAll = false)
    {
        if (bytes)
            m_folder.WriteRootFile(*bytes);
        CZeroplotDoc doc;
        doc.m_bShowAll = showAll ? 1 : 0;
        CZeroplotView view(doc, m_printer);
        view.resize(2100, 2100);
        m_background = view.palette().color(QPalette::Base).rgb();
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage Render(const std::string& bytes, bool showAll = false) { return Render(&bytes, showAll); }

    // Whether pixel (x, y) or one of its eight neighbours has colour rgb.
    static bool Near(const QImage& image, int x, int y, QRgb rgb)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == rgb)
                    return true;
        return false;
    }
    static int Count(const QImage& image, QRgb rgb)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == rgb;
        return n;
    }
    // A marker centred at pixel (x, y): filled inside, a black ring 10 pixels out.
    void ExpectMarker(const QImage& image, int x, int y) const
    {
        EXPECT_EQ(image.pixel(x, y), m_background) << x << "," << y;
        EXPECT_EQ(image.pixel(x + 4, y - 4), m_background) << x << "," << y;
        for (auto [dx, dy] : {std::pair{10, 0}, {-10, 0}, {0, 10}, {0, -10}})
            EXPECT_TRUE(Near(image, x + dx, y + dy, kBlack)) << x + dx << "," << y + dy;
    }

    QApplication& m_app = TestApplication();
    WorkFolder m_folder;
    QPrinter m_printer;
    QRgb m_background = 0;
};

TEST_F(ZPlaneView, WithoutZerosTheWindowStaysBlank)
{
    const QImage image = Render(nullptr);
    EXPECT_EQ(Count(image, m_background), image.width() * image.height());
}

TEST_F(ZPlaneView, EmptyArrayShowsAxesAndUnitCircleOnly)
{
    const QImage image = Render(RootFileBytes({}));
    EXPECT_TRUE(Near(image, 1050, 10, kBlue));
    EXPECT_TRUE(Near(image, 10, 1050, kBlue));
    EXPECT_TRUE(Near(image, 1050 + 666, 1050 - 0, kBlue));
    EXPECT_TRUE(Near(image, 1050 + 471, 1050 - 471, kBlue));
    EXPECT_FALSE(Near(image, 1050 + 471, 1050 + 400, kBlue));
    EXPECT_EQ(Count(image, kBlack), 0);
}

TEST_F(ZPlaneView, MarkersSitWhereTheirZerosMapAndCoverTheLines)
{
    const QImage image = Render(RootFileBytes({{0.5, 0.5}, {-0.5, -0.5}, {0.5, 0.0}, {0.0, -1.0}}));
    ExpectMarker(image, 1050 + 333, 1050 - 333);
    ExpectMarker(image, 1050 - 333, 1050 + 333);
    ExpectMarker(image, 1050 + 333, 1050);
    ExpectMarker(image, 1050, 1050 + 666);
    EXPECT_FALSE(Near(image, 1050 + 333, 1050, kBlue));
    EXPECT_TRUE(Near(image, 1050 + 300, 1050, kBlue));
}

TEST_F(ZPlaneView, ShowAllScalesToTheFarthestZero)
{
    const std::string bytes = RootFileBytes({{2.0, 0.0}, {0.0, 0.5}});
    const QImage image = Render(bytes, true);
    ExpectMarker(image, 1050 + 1000, 1050);
    ExpectMarker(image, 1050, 1050 - 250);
    EXPECT_TRUE(Near(image, 1050 - 353, 1050 - 353, kBlue));
    EXPECT_FALSE(Near(image, 1050 - 471, 1050 - 471, kBlue));
}

TEST_F(ZPlaneView, ZerosThatAreNotFiniteAreLeftOutAndExtremeOnesDoNotFail)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string bytes = RootFileBytes({{inf, 0.0}, {0.25, 0.0}, {nan, 1.0}, {1e308, -1e308},
        {std::numeric_limits<double>::denorm_min(), 0.0}, {-inf, -inf}});
    const QImage normal = Render(bytes);
    ExpectMarker(normal, 1050 + 166, 1050);
    ExpectMarker(normal, 1050, 1050);
    const QImage all = Render(bytes, true);
    ExpectMarker(all, 1050 + 707, 1050 + 707);
    ExpectMarker(all, 1050, 1050);
    EXPECT_FALSE(Near(all, 1050 + 471, 1050 - 471, kBlue));
    const QImage tiny = Render(RootFileBytes({{std::numeric_limits<double>::denorm_min(), 0.0}}), true);
    ExpectMarker(tiny, 1050, 1050);
    EXPECT_FALSE(Near(tiny, 1050 + 471, 1050 - 471, kBlue));
}

TEST_F(ZPlaneView, ARootFileThatIsNoRegularFileLeavesTheWindowBlankAtOnce)
{
    const std::function<bool(const char*)> makers[] = {
        [](const char* name) { return ::mkfifo(name, 0600) == 0; },  // never waited for
        [](const char* name) { return std::filesystem::create_directory(name); },
        [](const char* name) { return ::symlink("/dev/zero", name) == 0; },  // never read without end
    };
    for (const auto& make : makers) {
        std::filesystem::remove_all("root.bin");
        ASSERT_TRUE(make("root.bin"));
        const QImage image = Render(nullptr);
        EXPECT_EQ(Count(image, m_background), image.width() * image.height());
    }
}

TEST_F(ZPlaneView, AShortRootFileShowsOnlyTheZerosItHolds)
{
    const QImage whole = Render(RootFileBytes({{0.5, 0.0}, {0.0, 0.5}}));
    const QImage shortFile = Render(RootFileBytes(3, {{0.5, 0.0}, {0.0, 0.5}}));  // a third announced
    ExpectMarker(shortFile, 1050 + 333, 1050);
    ExpectMarker(shortFile, 1050, 1050 - 333);
    EXPECT_EQ(Count(shortFile, kBlack), Count(whole, kBlack)) << "a missing record drawn as a zero";
    EXPECT_EQ(shortFile.pixel(1050, 1050), kBlue);
}

TEST_F(ZPlaneView, TheSquareFollowsTheShorterSideAndIsFourTimesLargerOnPaper)
{
    m_folder.WriteRootFile(RootFileBytes({{1.0, 0.0}}));
    CZeroplotDoc doc;
    CZeroplotView view(doc, m_printer);
    view.resize(400, 300);
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(Near(image, 150, 5, kBlue));
    EXPECT_TRUE(Near(image, 5, 150, kBlue));
    EXPECT_FALSE(Near(image, 350, 150, kBlue));
    EXPECT_TRUE(Near(image, 150 + 95, 150 - 1, kBlack));

    QImage page(1400, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    view.OnDraw(painter, true);
    painter.end();
    EXPECT_TRUE(Near(page, 600, 5, kBlue));
    EXPECT_TRUE(Near(page, 600, 1195, kBlue));
    EXPECT_FALSE(Near(page, 600, 1230, kBlue));
    EXPECT_TRUE(Near(page, 600 + 380, 600 - 6, kBlue));
    EXPECT_EQ(page.pixel(980, 600), qRgb(255, 255, 255));
    EXPECT_TRUE(Near(page, 975, 600, kBlack));
    EXPECT_TRUE(Near(page, 986, 600, kBlack));
}

TEST_F(ZPlaneView, PrintoutOfNoZerosIsAnEmptyPage)
{
    CZeroplotDoc doc;
    CZeroplotView view(doc, m_printer);
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(QString::fromStdString(m_folder / "empty.pdf"));
    view.OnFilePrintDirect();
    const PdfText pdf = ReadPdf(m_folder / "empty.pdf");
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.Count(" m\n"), 0);
    EXPECT_EQ(pdf.Count("0 0 1 SCN"), 0);
}

TEST_F(ZPlaneView, ShowAllRedrawsTheShownView)
{
    m_folder.WriteRootFile(RootFileBytes({{0.5, 0.0}}));
    CZeroplotDoc doc;
    CZeroplotView view(doc, m_printer);
    view.resize(300, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage before = view.grab().toImage();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    view.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    doc.OnCmdMsg(ID_VIEW_SHOWALL, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
    EXPECT_NE(view.grab().toImage(), before);
}

}  // namespace
