// Zeroplot's scale: the partners and readout of a zero, the scale's circles, and the scale
// as the user turns it on, reads zeros with the mouse and chooses one.
#include "CMainFrame.h"
#include "CZeroplotApp.h"
#include "CZeroplotView.h"
#include "Resource.h"
#include "ViewerTestSupport.h"
#include "ZPlaneMapping.h"
#include "ZPlanePainter.h"
#include "ZPlaneScale.h"
#include "ZeroReadout.h"
#include "ZeroplotSettings.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

CComplexArray zerosOf(const std::vector<CComplex>& values)
{
    CComplexArray a(static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        a[static_cast<int>(i)] = values[i];
    return a;
}

}  // namespace

TEST(ZeroPartners, ConjugateAndMirrorAreFoundWhereTheyLieOrAreTheZeroItself)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // 0.5 +- 0.5i and their mirrors 1 +- 1i (one a little off, as found zeros are); -1 on
    // the circle and the real axis; 0.3 without its mirror; 0; 0.6 + 0.8i alone on the
    // circle; a zero that is not a number.
    const CComplexArray zeros = zerosOf({{0.5, 0.5}, {0.5, -0.5 + 1e-9}, {1.0, 1.0}, {1.0, -1.0}, {-1.0, 0.0},
        {0.3, 0.0}, {0.0, 0.0}, {0.6, 0.8}, {nan, 0.0}});
    const int expected[][2] = {{1, 2}, {0, 3}, {3, 0}, {2, 1}, {4, 4}, {5, -1}, {6, -1}, {-1, 7}, {-1, -1}};
    for (int i = 0; i < zeros.GetSize(); ++i) {
        const zplane::CZeroPartners partners = zplane::FindPartners(zeros, i);
        EXPECT_EQ(partners.nConjugate, expected[i][0]) << i;
        EXPECT_EQ(partners.nMirror, expected[i][1]) << i;
    }
    // Too far off to be a partner.
    EXPECT_EQ(zplane::FindPartners(zerosOf({{0.5, 0.5}, {0.5, -0.5001}}), 0).nConjugate, -1);
    EXPECT_THROW(zplane::FindPartners(zeros, 9), std::out_of_range);
}

TEST(ZeroReadout, GivesTheCoordinatesRadiusAngleAndFrequency)
{
    EXPECT_EQ(zplane::ZeroReadout({0.5, 0.5}, 0.0), "z = 0.5 + 0.5i   |z| = 0.707107   angle = 45\u00b0   f = 0.125 fs");
    EXPECT_EQ(zplane::ZeroReadout({0.5, -0.5}, 48000.0), "z = 0.5 - 0.5i   |z| = 0.707107   angle = -45\u00b0   f = -6 kHz");
    EXPECT_EQ(zplane::ZeroReadout({-1.0, 0.0}, 0.0), "z = -1 + 0i   |z| = 1   angle = 180\u00b0   f = 0.5 fs");
    const CComplexArray zeros = zerosOf({{0.5, 0.5}, {0.5, -0.5}, {1.0, 1.0}, {-1.0, 0.0}});
    EXPECT_EQ(zplane::SelectionReadout(zeros, 0, 0.0),
        "zero 0: z = 0.5 + 0.5i   |z| = 0.707107   angle = 45\u00b0   f = 0.125 fs\nconjugate: zero 1   mirror 1/z*: zero 2");
    const std::string real = zplane::SelectionReadout(zeros, 3, 0.0);
    EXPECT_EQ(real.substr(real.find("\nconjugate")), "\nconjugate: itself   mirror 1/z*: itself");
}

TEST(ZPlaneScale, CirclesLieAtRoundRadiiWithinTheSquare)
{
    EXPECT_EQ(zplane::ScaleRadii(zplane::kNormalRadius), std::vector<double>({0.5, 1.0, 1.5}));
    EXPECT_EQ(zplane::ScaleRadii(2.0), std::vector<double>({1.0, 2.0}));
    EXPECT_EQ(zplane::ScaleRadii(1e-3), std::vector<double>({0.0005, 0.001}));
    EXPECT_FALSE(zplane::ScaleRadii(std::numeric_limits<double>::max()).empty());
}

namespace {

const QColor kGrid(225, 225, 225);

// Zeroplot started on the zeros 0.5 +- 0.5i, 1 + i and -1, with its settings and the
// workbench's at their defaults.
class ZeroplotScale : public ::testing::Test {
protected:
    ZeroplotScale()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName("Zeroplot-test");
        QSettings().remove("View");
        Workbench().remove("View");
        m_folder.WriteRootFile(RootFileBytes({{0.5, 0.5}, {0.5, -0.5}, {1.0, 1.0}, {-1.0, 0.0}}));
    }
    void Start()
    {
        m_app = std::make_unique<CZeroplotApp>();
        ASSERT_TRUE(m_app->InitInstance({}));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }
    void SetUp() override { Start(); }
    ~ZeroplotScale() override
    {
        m_app.reset();
        QSettings().remove("View");  // the next test starts with the scale off
        Workbench().remove("View");
    }

    static QSettings Workbench() { return QSettings(QCoreApplication::organizationName(), zeroplot::kWorkbenchSettingsName); }
    CMainFrame& Frame() { return static_cast<CMainFrame&>(*m_app->GetMainFrame()); }
    CZeroplotView& View() { return Frame().GetView(); }
    QAction* Action(int id)
    {
        Frame().UpdateCommandStates();
        return Frame().GetAction(id);
    }
    int Count(QColor colour)
    {
        const QImage image = View().grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }
    // Where zero z is drawn in the view.
    QPoint DeviceOf(CComplex z)
    {
        const QTransform t = zplane::LogicalToDevice(zplane::Viewport(View().width(), View().height(), false));
        return t.map(QPointF(zplane::ToLogical(z.re, zplane::kNormalRadius), zplane::ToLogical(z.im, zplane::kNormalRadius)))
            .toPoint();
    }
    void HoverAt(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, p, View().mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&View(), &move);
    }
    QString Readout() { return Frame().GetReadout()->text(); }

    QApplication& m_qt = TestApplication();
    WorkFolder m_folder;
    std::unique_ptr<CZeroplotApp> m_app;
};

}  // namespace

TEST_F(ZeroplotScale, IsOffAtFirstAndOnlyTheDescribedPlaneShows)
{
    EXPECT_FALSE(Action(ID_VIEW_SCALE)->isChecked());
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_EQ(Count(kGrid), 0);
    HoverAt(DeviceOf({0.5, 0.5}));
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, DeviceOf({0.5, 0.5}));
    EXPECT_EQ(View().GetChosenZero(), -1);  // no mouse input without the scale
}

TEST_F(ZeroplotScale, ReadsOutTheZeroUnderTheMouseAndAClickShowsItsPartners)
{
    Action(ID_VIEW_SCALE)->trigger();
    EXPECT_TRUE(Action(ID_VIEW_SCALE)->isChecked());
    EXPECT_FALSE(Frame().statusBar()->isHidden());
    EXPECT_GT(Count(kGrid), 100);
    HoverAt(DeviceOf({0.5, -0.5}) + QPoint(2, 2));
    EXPECT_EQ(Readout(), "z = 0.5 - 0.5i   |z| = 0.707107   angle = -45\u00b0   f = -0.125 fs");
    HoverAt(QPoint(5, 5));
    EXPECT_EQ(Readout(), "");
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, DeviceOf({0.5, 0.5}));
    EXPECT_EQ(View().GetChosenZero(), 0);
    EXPECT_TRUE(Readout().endsWith("conjugate: zero 1   mirror 1/z*: zero 2")) << Readout().toStdString();
    EXPECT_GT(Count(QColor(220, 0, 0)), 10);  // the chosen zero's ring
    EXPECT_GT(Count(QColor(0, 160, 0)), 20);  // its partners' rings
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(View().GetChosenZero(), -1);
    EXPECT_EQ(Count(QColor(220, 0, 0)), 0);
}

TEST_F(ZeroplotScale, IsRememberedAndSpeaksHertzWhenTheWorkbenchHasASampleRate)
{
    Action(ID_VIEW_SCALE)->trigger();
    Workbench().setValue("View/SampleRate", 48000.0);
    m_app.reset();
    Start();
    EXPECT_TRUE(Action(ID_VIEW_SCALE)->isChecked());
    HoverAt(DeviceOf({0.5, 0.5}));
    EXPECT_EQ(Readout(), "z = 0.5 + 0.5i   |z| = 0.707107   angle = 45\u00b0   f = 6 kHz");
}
