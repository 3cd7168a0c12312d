// The data form: stepping through its copy of the display array with the scroll arrows,
// Show Next and typed indices, committing values, Reload and Write Data.
#include "CDataView.h"
#include "CFilterView.h"
#include "NumberText.h"
#include "Resource.h"
#include "WorkbenchTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>

namespace {

class DataViewTest : public WorkbenchTest {
protected:
    QLineEdit* XAxis() { return Frame().GetDataView()->findChild<QLineEdit*>("IDC_XAXIS"); }
    QLineEdit* YAxis() { return Frame().GetDataView()->findChild<QLineEdit*>("IDC_YAXIS"); }
    QPushButton* Button(const char* name) { return Frame().GetDataView()->findChild<QPushButton*>(name); }
    int Marker() { return Frame().GetGraphView()->GetMarker(); }

    // Clicks the scroll bar's upper arrow (up) or lower arrow.
    void ClickArrow(bool up)
    {
        auto* bar = Frame().GetDataView()->findChild<QScrollBar*>("IDC_XSCROLL");
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect arrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
            up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine, bar);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, arrow.center());
    }
    // Installs coefficients 0, 1, ..., n - 1 (shown as the impulse response).
    void InstallRamp(int n)
    {
        CRealArray ramp(n);
        for (int i = 0; i < n; ++i)
            ramp[i] = i;
        Doc().SetCoefficients(ramp);
    }
    void TypeY(const QString& text)
    {
        YAxis()->selectAll();
        QTest::keyClicks(YAxis(), text);
    }
};

}  // namespace

TEST_F(DataViewTest, WriteDataBeforeAnyDesignInstalls256Zeros)
{
    EXPECT_EQ(XAxis()->text(), "0");
    EXPECT_EQ(YAxis()->text(), "0");
    QTest::mouseClick(Button("IDC_WRITEDATA"), Qt::LeftButton);
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 256);
    EXPECT_EQ(Doc().m_pCoef->GetMax(), 0.0);
    EXPECT_EQ(Doc().m_pCoef->GetMin(), 0.0);
    EXPECT_TRUE(Doc().IsModified());
    // The flat array is drawn as a black line through the middle of the pane.
    CFilterView* graph = Frame().GetGraphView();
    const QImage image = graph->grab().toImage();
    EXPECT_EQ(image.pixelColor(graph->width() / 2, graph->height() / 2), QColor(Qt::black));
}

TEST_F(DataViewTest, ScrollArrowsStepWithinTheArrayAndCommitAtBothEnds)
{
    InstallRamp(3);
    ClickArrow(true);
    EXPECT_EQ(XAxis()->text(), "1");
    EXPECT_EQ(YAxis()->text(), "1");
    EXPECT_EQ(Marker(), 1);
    ClickArrow(false);
    EXPECT_EQ(XAxis()->text(), "0");
    EXPECT_EQ(Marker(), 0);
    TypeY("7.5");
    ClickArrow(false);  // at the first index: stays, but the value is committed
    EXPECT_EQ(XAxis()->text(), "0");
    EXPECT_EQ(YAxis()->text(), "7.5");
    for (int i = 0; i < 3; ++i)
        ClickArrow(true);
    EXPECT_EQ(XAxis()->text(), "2");
    TypeY("-4");
    ClickArrow(true);  // at the last index: stays, value committed
    EXPECT_EQ(XAxis()->text(), "2");
    ClickArrow(false);
    ClickArrow(true);
    EXPECT_EQ(YAxis()->text(), "-4");
    ClickArrow(false);
    ClickArrow(false);
    EXPECT_EQ(YAxis()->text(), "7.5");
    EXPECT_EQ((*Doc().m_pCoef)[0], 0.0);  // nothing reaches the document before Write Data
}

TEST_F(DataViewTest, ShowNextAtTheLastIndexCommitsButNeitherMovesNorMarks)
{
    InstallRamp(2);
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    EXPECT_EQ(XAxis()->text(), "1");
    EXPECT_EQ(Marker(), 1);
    Frame().GetGraphView()->OnMarkIndex(0);
    TypeY("9");
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    EXPECT_EQ(XAxis()->text(), "1");
    EXPECT_EQ(Marker(), 0);
    QTest::mouseClick(Button("IDC_WRITEDATA"), Qt::LeftButton);
    EXPECT_EQ((*Doc().m_pCoef)[1], 9.0);
}

TEST_F(DataViewTest, TypedIndicesAreClampedAndMarkTheGraphAsTheyAreTyped)
{
    XAxis()->setFocus();
    XAxis()->selectAll();
    QTest::keyClicks(XAxis(), "300");
    EXPECT_EQ(XAxis()->text(), "255");
    EXPECT_EQ(Marker(), 0);  // no display array yet: the graph has nothing to mark
    Doc().SetCoefficients(CRealArray(256));
    XAxis()->selectAll();
    QTest::keyClicks(XAxis(), "300");
    EXPECT_EQ(XAxis()->text(), "255");
    EXPECT_EQ(Marker(), 255);
    XAxis()->selectAll();
    QTest::keyClick(XAxis(), Qt::Key_1);
    EXPECT_EQ(Marker(), 1);
    QTest::keyClick(XAxis(), Qt::Key_2);
    EXPECT_EQ(Marker(), 12);
    EXPECT_EQ(XAxis()->text(), "12");
    EXPECT_EQ(XAxis()->cursorPosition(), 2);  // a valid index leaves text and caret alone
}

TEST_F(DataViewTest, ClearingTheIndexWaitsForADigitAndAMinusAloneIsRefused)
{
    InstallRamp(5);
    XAxis()->selectAll();
    QTest::keyClicks(XAxis(), "3");
    QTest::keyClick(XAxis(), Qt::Key_Backspace);
    EXPECT_EQ(XAxis()->text(), "");
    EXPECT_EQ(Marker(), 3);
    EXPECT_EQ(YAxis()->text(), "3");
    CMessageWatch message;
    QTest::keyClicks(XAxis(), "-");
    EXPECT_EQ(message.Text(), "X-Axis: Please enter an integer.");
    EXPECT_EQ(XAxis()->text(), "3");  // the index as it stood replaces the bad text
}

TEST_F(DataViewTest, ReloadDiscardsCommittedEditsAndKeepsTheMarker)
{
    InstallRamp(4);
    TypeY("100");
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    EXPECT_EQ(Marker(), 2);
    QTest::mouseClick(Button("IDC_RELOAD"), Qt::LeftButton);
    EXPECT_EQ(XAxis()->text(), "0");
    EXPECT_EQ(YAxis()->text(), "0");
    EXPECT_EQ(Marker(), 2);
    QTest::mouseClick(Button("IDC_WRITEDATA"), Qt::LeftButton);
    EXPECT_EQ((*Doc().m_pCoef)[0], 0.0);
}

TEST_F(DataViewTest, WriteDataIsEnabledOnlyForTheImpulseResponse)
{
    InstallRamp(8);
    Doc().OnViewAmplitude();
    EXPECT_FALSE(Button("IDC_WRITEDATA")->isEnabled());
    EXPECT_EQ(YAxis()->text().toStdString(), FormatDouble((*Doc().m_pDisplay)[0]));
    Doc().OnViewImpulse();
    EXPECT_TRUE(Button("IDC_WRITEDATA")->isEnabled());
}

TEST_F(DataViewTest, MarkerMovesRepaintTheRedLineAtTheNewPointOnly)
{
    InstallRamp(8);
    CFilterView* graph = Frame().GetGraphView();
    graph->repaint();
    const auto redAt = [graph](int index) {
        const CGraphMapping m = ComputeGraphMapping(CGraphScale{1.0, 0.0, 7.0, 0.0, 1.0 / 8}, 0.0, 7.0,
            graph->width(), graph->height(), false);
        const int x = m.ToDevice(10.0 * index, 0).x();
        const QImage image = graph->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == QColor(255, 0, 0))
                return true;
        return false;
    };
    EXPECT_FALSE(redAt(5));
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    EXPECT_TRUE(redAt(5));
    EXPECT_FALSE(redAt(4));
}

TEST_F(DataViewTest, BoxesShowAFiveDigitIndexAndAWholeValue)
{
    Doc().SetCoefficients(CRealArray(1));
    const auto textWidth = [](QLineEdit* box) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
    };
    TypeY("-6.5249531705115e-07");
    QTest::mouseClick(Button("IDC_SHOWNEXT"), Qt::LeftButton);
    EXPECT_EQ(YAxis()->text(), "-6.5249531705115e-07");
    EXPECT_LE(YAxis()->fontMetrics().horizontalAdvance("-6.52495317051151e-307"), textWidth(YAxis()));
    EXPECT_LE(XAxis()->fontMetrics().horizontalAdvance("16383"), textWidth(XAxis()));
    // What stands right of the boxes still does not overlap them.
    EXPECT_LT(XAxis()->geometry().right(), YAxis()->geometry().left());
    EXPECT_LT(YAxis()->geometry().right(), Button("IDC_SHOWNEXT")->geometry().left());
}
