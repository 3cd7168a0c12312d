// The graph's scale and readout, the sample rate, what the graph draws of hard arrays, and
// the printout's size.
#include "AfxIds.h"
#include "CDataView.h"
#include "CFilterView.h"
#include "CSampleRateDlg.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "GraphMask.h"
#include "NumberText.h"
#include "PdfText.h"
#include "WorkbenchSettings.h"
#include "WorkbenchTestSupport.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <cmath>

namespace {

const QColor kGrid(225, 225, 225);

class GraphScaleTest : public WorkbenchTest {
protected:
    CFilterView* Graph() { return Frame().GetGraphView(); }
    QImage Image() { return Graph()->grab().toImage(); }
    CGraphMapping Mapping() { return PictureMapping(Graph()->GetPicture(), Graph()->size(), false); }
    void Install(std::vector<double> values)
    {
        CRealArray h(static_cast<int>(values.size()));
        std::copy(values.begin(), values.end(), h.data());
        Doc().SetCoefficients(h);
    }
    void SetSampleRate(const QString& text)
    {
        CModalWatch<CSampleRateDlg> answer([text](CSampleRateDlg* dialog) {
            dialog->GetEdit()->setText(text);
            dialog->accept();
        });
        Run(ID_VIEW_SAMPLERATE);
    }
    // Moves the mouse over the graph to p, as the user does.
    void HoverAt(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, p, Graph()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Graph(), &move);
    }
    // The columns (rows when vertical is false) of the image's middle line with grid pixels.
    std::vector<int> GridLines(bool vertical)
    {
        const QImage image = Image();
        std::vector<int> found;
        const int across = vertical ? image.width() : image.height();
        for (int i = 0; i < across; ++i)
            if ((vertical ? image.pixelColor(i, image.height() / 2) : image.pixelColor(image.width() / 2, i)) == kGrid)
                found.push_back(i);
        return found;
    }
};

// Whether a pixel is ink of a label: the labels' grey (96) blended with the white ground.
bool isLabelInk(QColor c) { return c.red() == c.green() && c.green() == c.blue() && c.red() >= 90 && c.red() <= 200; }

// The first and last row of image's label ink within columns x0 .. x1 - 1 and rows y0 .. y1 - 1,
// or (-1, -1) for none.
std::pair<int, int> inkRows(const QImage& image, int x0, int x1, int y0, int y1)
{
    std::pair<int, int> rows(-1, -1);
    for (int y = std::max(0, y0); y < std::min(y1, image.height()); ++y)
        for (int x = std::max(0, x0); x < std::min(x1, image.width()); ++x)
            if (isLabelInk(image.pixelColor(x, y))) {
                rows = {rows.first < 0 ? y : rows.first, y};
                break;
            }
    return rows;
}

// The UI font at its pixel size, as the scale draws its labels.
QFont labelFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

// How many rows the ink of text drawn whole in the labels' font spans.
int inkHeight(const QString& text)
{
    QImage scratch(400, 200, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(labelFont());
        painter.setPen(QColor(96, 96, 96));
        painter.drawText(20, 100, text);
    }
    const auto [first, last] = inkRows(scratch, 0, scratch.width(), 0, scratch.height());
    return last - first + 1;
}

int countColour(const QImage& image, QColor colour, int x0 = 0, int x1 = -1)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < (x1 < 0 ? image.width() : x1); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

TEST_F(GraphScaleTest, ScaleOnAndOffDrawTheSameCurveAxesAndMarker)
{
    DesignLowPass();
    Run(ID_VIEW_DB);
    for (int display : {ID_VIEW_IMPULSE, ID_VIEW_AMPLITUDE, ID_VIEW_GROUPDELAY, ID_VIEW_STEP}) {
        Run(display);
        Frame().GetDataView()->SelectIndex(7);
        const QImage off = Image();
        Run(ID_VIEW_SCALE);
        const QImage on = Image();
        Run(ID_VIEW_SCALE);
        EXPECT_GT(countColour(on, kGrid), 100) << display;
        // Where the amplitude leaves the requirements' tolerance its curve turns the warning colour.
        const auto curve = [](QColor c) { return c == QColor(0, 0, 0) || c == WarningColour(); };
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x) {
                ASSERT_EQ(curve(on.pixelColor(x, y)), off.pixelColor(x, y) == QColor(0, 0, 0)) << display << " " << x << "," << y;
                for (const QColor colour : {QColor(0, 0, 255), QColor(255, 0, 0)})
                    ASSERT_EQ(on.pixelColor(x, y) == colour, off.pixelColor(x, y) == colour) << display << " " << x << "," << y;
            }
    }
}

TEST_F(GraphScaleTest, GridLinesFallOnRoundValuesInTheUnitsOfTheSampleRate)
{
    DesignLowPass();
    Run(ID_VIEW_DB);
    Run(ID_VIEW_AMPLITUDE);
    Run(ID_VIEW_SCALE);
    SetSampleRate("48000");
    EXPECT_TRUE(Action(ID_VIEW_SCALE)->isChecked());
    const CGraphMapping m = Mapping();
    const double kHzPerLogical = 48.0 / 124 / 10;  // point k at k / 124 of 48 kHz, 10 logical units apart
    const std::vector<int> columns = GridLines(true);
    ASSERT_GE(columns.size(), 3u);
    for (int x : columns) {
        const double kHz = m.ToLogical(QPointF(x, 0)).x() * kHzPerLogical;
        EXPECT_NEAR(kHz, 5.0 * std::round(kHz / 5.0), 0.5 * m.cx / m.W * kHzPerLogical + 1e-9) << x;
    }
    const std::vector<int> rows = GridLines(false);
    ASSERT_GE(rows.size(), 3u);
    for (int y : rows) {
        const double db = m.ToLogical(QPointF(0, y)).y() * m.u;
        EXPECT_NEAR(db, 20.0 * std::round(db / 20.0), m.cy / m.H * m.u) << y;
    }
    SetSampleRate("");  // none: the same lines at fractions of the sampling frequency
    EXPECT_EQ(GridLines(true).size(), columns.size());
    EXPECT_EQ(LoadSampleRate(), 0.0);
}

TEST_F(GraphScaleTest, ReadoutShowsTheNearestPointAndAClickSelectsIt)
{
    Install({0.0, 1.0, 2.0, 3.0, 4.0, 5.5, 6.0, 7.0});
    auto* form = Frame().GetDataView();
    const QPoint point5 = Mapping().ToDevice(50.0, 0.0) + QPoint(3, -20);
    HoverAt(point5);
    QTest::mouseClick(Graph(), Qt::LeftButton, Qt::NoModifier, point5);
    EXPECT_EQ(form->findChild<QLineEdit*>("IDC_XAXIS")->text(), "0");  // no mouse input without the scale
    EXPECT_TRUE(Frame().GetReadoutPane()->isHidden());
    Run(ID_VIEW_SCALE);
    HoverAt(point5);
    EXPECT_TRUE(Frame().GetReadoutPane()->isVisible());
    EXPECT_EQ(Frame().GetReadoutPane()->text(), "[5]  t = 5 samples  5.5");
    QTest::mouseClick(Graph(), Qt::LeftButton, Qt::NoModifier, point5);
    EXPECT_EQ(form->findChild<QLineEdit*>("IDC_XAXIS")->text(), "5");
    EXPECT_EQ(form->findChild<QLineEdit*>("IDC_YAXIS")->text(), "5.5");
    EXPECT_EQ(Graph()->GetMarker(), 5);
    SetSampleRate("1000");
    Run(ID_VIEW_AMPLITUDE);
    HoverAt(Mapping().ToDevice(30.0, 0.0) + QPoint(0, -10));
    // Point 3 of the 32-point transform of 8 taps at 1000 Hz; the value as the form shows it.
    EXPECT_EQ(Frame().GetReadoutPane()->text(),
        QString("[3]  f = 93.75 Hz  %1").arg(QString::fromStdString(FormatGeneral((*Doc().m_pDisplay)[3], 6))));
}

TEST_F(GraphScaleTest, HardArraysStillDrawTheirCurve)
{
    // Large values next to their spread: the amplitude of 1 + 1e-6 z^-1 lies in 1 +- 1e-6.
    Install({1.0, 1e-6});
    Run(ID_VIEW_AMPLITUDE);
    const QImage flat = Image();
    const int inside = Mapping().ToDevice(0, 0).x() + 1, last = Mapping().ToDevice(10.0 * 3, 0).x() - 1;
    for (int x = inside; x < last; x += 10)
        EXPECT_GT(countColour(flat, QColor(0, 0, 0), x, x + 1), 0) << x;  // one point of 4 after another
    // A coefficient of the largest magnitude a filter may have: every display draws inside
    // the pane.
    Install({0.5, 1e100, -0.25, 0.125});
    for (int display : {ID_VIEW_IMPULSE, ID_VIEW_AMPLITUDE, ID_VIEW_PHASE, ID_VIEW_REAL, ID_VIEW_IMAG, ID_VIEW_GROUPDELAY, ID_VIEW_STEP}) {
        Run(display);
        EXPECT_GT(countColour(Image(), QColor(0, 0, 0)), Graph()->width() / 4) << display;
    }
    // One value: a dot.
    Install({0.5});
    EXPECT_GE(countColour(Image(), QColor(0, 0, 0)), 9);
}

TEST_F(GraphScaleTest, PrintoutFillsThePrintableWidthWithVisibleLinesAndTheScale)
{
    DesignLowPass();
    Run(ID_VIEW_SCALE);
    QTemporaryDir dir;
    QPrinter& printer = App().GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("graph.pdf"));
    Graph()->OnCmdMsg(ID_FILE_PRINT_DIRECT, nullptr);
    const PdfText pdf = ReadPdf(dir.filePath("graph.pdf").toStdString());
    // The page maps device units to points by the first matrix: 72 / resolution.
    const QRegularExpressionMatch matrix = QRegularExpression("([0-9.]+) 0 0 -[0-9.]+ [0-9.]+ [0-9.]+ cm").match(QString::fromStdString(pdf.content));
    ASSERT_TRUE(matrix.hasMatch());
    const double pointsPerUnit = matrix.captured(1).toDouble();
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const double width = 4 * Graph()->width() * pointsPerUnit, height = 4 * Graph()->height() * pointsPerUnit;
    EXPECT_LE(width, area.width());
    EXPECT_LE(height, area.height());
    EXPECT_GT(std::max(width / area.width(), height / area.height()), 0.98);
    EXPECT_GT(pdf.Count("4 w"), 0);                                   // lines one pane pixel wide
    EXPECT_GT(pdf.Count("0.88235"), 0);  // the grid's grey, 225 / 255
}

TEST_F(GraphScaleTest, ConstantGroupDelayIsAFlatLineOnRoundTicksAndZerosLeaveGaps)
{
    Doc().SetCoefficients(DesignPassBand(LowPass, 101, 0.2, 0.5, 60.0).coefficients);
    Run(ID_VIEW_GROUPDELAY);
    Run(ID_VIEW_SCALE);
    const CGraphMapping m = Mapping();
    const int line = m.ToDevice(0, 50.0 / m.u).y();  // rounded to the pixel, as drawn
    EXPECT_NEAR(line, Graph()->height() / 2, 2);  // the delay of 50 samples in the middle of the pane
    const QImage image = Image();
    for (int y = 0; y < image.height(); ++y) {
        if (std::abs(y - line) > 2) {  // a point alone between gaps is a dot of 5 pixels
            EXPECT_EQ(countColour(image.copy(0, y, image.width(), 1), QColor(0, 0, 0)), 0) << y;
        }
    }
    // The marker and the vertical axis cross the pane although 0 lies far below it.
    Frame().GetDataView()->SelectIndex(40);
    const int x40 = m.ToDevice(400.0, 0).x(), x0 = m.ToDevice(0, 0).x();
    EXPECT_GT(countColour(Image(), QColor(255, 0, 0), x40, x40 + 1), Graph()->height() / 4);  // dotted
    EXPECT_GT(countColour(Image(), QColor(0, 0, 255), x0, x0 + 1), Graph()->height() / 2);
    const std::vector<int> rows = GridLines(false);
    ASSERT_GE(rows.size(), 3u);
    for (int y : rows) {  // round values, whole or half samples
        const double samples = m.ToLogical(QPointF(0, y)).y() * m.u;
        EXPECT_NEAR(samples, std::round(2.0 * samples) / 2.0, m.cy / m.H * m.u) << y;
    }
    // 1 + z^-2 has a zero at a quarter of the sampling frequency: point 3 of 6 has no delay.
    Install({1.0, 0.0, 1.0});
    Run(ID_VIEW_GROUPDELAY);
    const CGraphMapping zeros = Mapping();
    const int x2 = zeros.ToDevice(20.0, 0).x(), x3 = zeros.ToDevice(30.0, 0).x(), x4 = zeros.ToDevice(40.0, 0).x();
    EXPECT_GT(countColour(Image(), QColor(0, 0, 0), x2 - 5, x2), 0);
    EXPECT_EQ(countColour(Image(), QColor(0, 0, 0), x2 + 2, x4 - 1), 0);
    HoverAt(QPoint(x3, 10));
    EXPECT_EQ(Frame().GetReadoutPane()->text(), "[3]  f = 0.25 fs  undefined");
    HoverAt(QPoint(x4, 10));
    EXPECT_EQ(Frame().GetReadoutPane()->text(), "[4]  f = 0.333333 fs  1 samples");
}

TEST_F(GraphScaleTest, LabelsKeepTheUiFontSizeWhateverThePaneSize)
{
    DesignLowPass();
    Run(ID_VIEW_DB);
    Run(ID_VIEW_AMPLITUDE);
    Run(ID_VIEW_SCALE);
    std::vector<int> tallest;
    for (const QSize window : {QSize(600, 450), QSize(1280, 900)}) {
        Frame().resize(window);
        QCoreApplication::processEvents();
        const QImage image = Image();
        // The tick labels left of the curve, below the unit and above the ticks under the curve.
        const int margin = Mapping().ToDevice(0, 0).x() - 2;
        const int bottom = image.height() - 3 * QFontMetrics(labelFont()).height();
        int run = 0, longest = 0;
        for (int y = QFontMetrics(labelFont()).height(); y < bottom; ++y) {
            run = inkRows(image, 0, margin, y, y + 1).first >= 0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        tallest.push_back(longest);
    }
    EXPECT_GT(Graph()->height(), 2 * 270);
    EXPECT_EQ(tallest[0], tallest[1]);
    EXPECT_LE(tallest[1], inkHeight("-0123456789"));
}

TEST_F(GraphScaleTest, UnitBelowTheCurveIsDrawnWholeInsideThePane)
{
    Install({0.1, 0.5, 1.0, 0.5, 0.1, -0.2, 0.3, 0.2, 0.1, 0.05, 0.02, 0.01});
    Run(ID_VIEW_SCALE);
    const QString unit = "samples";
    const QFontMetrics fm(labelFont());
    for (const QSize window : {QSize(600, 450), QSize(800, 600)}) {
        Frame().resize(window);
        QCoreApplication::processEvents();
        for (int display : {ID_VIEW_IMPULSE, ID_VIEW_STEP}) {
            Run(display);
            const QImage image = Image();
            const int left = image.width() - fm.height() / 2 - fm.horizontalAdvance(unit) - 1;
            const auto [first, last] = inkRows(image, left, image.width(), image.height() - 2 * fm.height(), image.height());
            ASSERT_GE(first, 0) << window.width() << " " << display;
            EXPECT_EQ(last - first + 1, inkHeight(unit)) << window.width() << " " << display;
            EXPECT_LT(last, image.height() - 1) << window.width() << " " << display;
        }
    }
}
