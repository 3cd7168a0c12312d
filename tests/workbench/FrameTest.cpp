// The workbench's window as the user meets it: start-up state, menus and their check
// marks, which commands are available in which pane, and designing through the dialogs.
#include "AfxIds.h"
#include "CDataView.h"
#include "CFilterPropertiesDlg.h"
#include "CFilterView.h"
#include "CLengthEstimateDlg.h"
#include "CPassBandDlg.h"
#include "CStatusField.h"
#include "NumberText.h"
#include "Resource.h"
#include "Version.h"
#include "WorkbenchSettings.h"
#include "WorkbenchTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QStatusTipEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The texts of a menu's items, separators as "-", submenus by their title.
QStringList itemTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("-") : action->text());
    return texts;
}

// True when some pixel of the widget's image is neither white nor the window colour.
bool hasDrawing(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                return true;
    return false;
}

}  // namespace

using FrameTest = WorkbenchTest;

TEST_F(FrameTest, StartsWithABlankGraphAndTheFormAtIndexZero)
{
    EXPECT_EQ(Frame().frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(Frame().size(), QSize(600, 450));
    EXPECT_EQ(Frame().GetGraphView()->height(), 270);
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Filter");
    EXPECT_FALSE(hasDrawing(Frame().GetGraphView()));
    CDataView* form = Frame().GetDataView();
    EXPECT_EQ(form->findChild<QLineEdit*>("IDC_XAXIS")->text(), "0");
    EXPECT_EQ(form->findChild<QLineEdit*>("IDC_YAXIS")->text(), "0");
    EXPECT_TRUE(form->findChild<QPushButton*>("IDC_WRITEDATA")->isEnabled());
    EXPECT_EQ(Frame().GetActiveView(), Frame().GetGraphView());
    EXPECT_TRUE(Action(ID_FILE_PRINT)->isEnabled());
    EXPECT_FALSE(Action(ID_FILE_SAVETEXT)->isEnabled());
}

TEST_F(FrameTest, MenusCarryTheirTextsInOrder)
{
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(itemTexts(menus[0]->menu()),
        QStringList({"開く(&O)...\tCtrl+O", "上書き保存(&S)\tCtrl+S", "名前を付けて保存(&A)...",
            "ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&T)...", "ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&E)...", "ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&I)...",
            "表示ﾃﾞｰﾀをCSV保存(&D)...", "-", "ｸﾞﾗﾌを画像保存(&G)...", "ｸﾞﾗﾌ画像をｺﾋﾟｰ(&C)\tCtrl+Shift+C", "-",
            "印刷(&P)...\tCtrl+P", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
            "ﾌﾟﾘﾝﾀの設定(&R)...", "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
    EXPECT_EQ(menus[1]->text(), "表示(&V)");
    // The described items in their order, the added ones after their kin.
    EXPECT_EQ(itemTexts(menus[1]->menu()),
        QStringList({"表示データ選択", "振幅特性dB表示", "目盛表示(&G)", "サンプリング周波数の指定(&R)...", "-",
            "零点表示", "フィルタ特性の測定(&P)...", "フィルタの要件(&Q)...", "-", "ﾂｰﾙ ﾊﾞｰ(&T)", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"}));
    EXPECT_EQ(itemTexts(menus[1]->menu()->actions()[0]->menu()),
        QStringList({"インパルス応答", "周波数-振幅特性", "周波数-位相特性", "周波数特性（実部）", "周波数特性（虚部）",
            "周波数-群遅延特性", "ステップ応答"}));
    EXPECT_EQ(menus[2]->text(), "ﾂｰﾙ(&T)");
    EXPECT_EQ(itemTexts(menus[2]->menu()), QStringList({"ﾌｨﾙﾀ長の推定(&L)...", "通過帯域の指定(&F)...", "等リップル設計(&E)...", "最小位相化(&M)"}));
    EXPECT_EQ(menus[3]->text(), "ﾍﾙﾌﾟ(&H)");
    EXPECT_EQ(itemTexts(menus[3]->menu()), QStringList({"ﾊﾞｰｼﾞｮﾝ情報(Filter) (&A)..."}));
}

TEST_F(FrameTest, PromptsToolBarAndStatusBarTexts)
{
    EXPECT_EQ(Action(ID_TOOL_PASSBAND)->statusTip(), "指定された通過帯域を持つフィルタを設計します");
    EXPECT_EQ(Action(ID_TOOL_EQUIRIPPLE)->statusTip(), "通過域と阻止域の誤差が等リップルになるフィルタを設計します");
    EXPECT_EQ(Action(ID_FILE_OPEN)->statusTip(), "既存のﾌｧｲﾙを開く");
    EXPECT_EQ(Action(ID_FILE_OPEN)->toolTip(), "開く");
    QToolBar* toolBar = Frame().findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    QList<int> ids;
    for (QAction* action : toolBar->actions())
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    EXPECT_EQ(ids, QList<int>({ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_FILE_PRINT, ID_APP_ABOUT}));
    QStringList panes;
    for (QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
        if (!label->isHidden())  // the readout shows with the scale only
            panes << label->text();
    EXPECT_EQ(panes, QStringList({"ﾚﾃﾞｨ", "ｶﾅ", "CAP", "NUM", "SCRL"}));
    for (int id : std::initializer_list<int>{ID_VIEW_GROUPDELAY, ID_VIEW_STEP, ID_VIEW_SCALE, ID_VIEW_SAMPLERATE, ID_VIEW_PROPERTIES})
        EXPECT_FALSE(Action(id)->statusTip().isEmpty()) << id;
}

TEST_F(FrameTest, CheckMarksFollowTheDisplayAndTheDecibelFlag)
{
    const std::initializer_list<int> selections = {ID_VIEW_IMPULSE, ID_VIEW_AMPLITUDE, ID_VIEW_PHASE, ID_VIEW_REAL, ID_VIEW_IMAG};
    EXPECT_TRUE(Action(ID_VIEW_IMPULSE)->isChecked());
    for (int chosen : std::initializer_list<int>{ID_VIEW_PHASE, ID_VIEW_IMAG, ID_VIEW_AMPLITUDE, ID_VIEW_IMPULSE}) {
        Run(chosen);
        for (int id : selections)
            EXPECT_EQ(Action(id)->isChecked(), id == chosen) << chosen << " " << id;
    }
    EXPECT_FALSE(Action(ID_VIEW_DB)->isChecked());
    Run(ID_VIEW_DB);
    EXPECT_TRUE(Action(ID_VIEW_DB)->isChecked());
    Run(ID_VIEW_DB);
    EXPECT_FALSE(Action(ID_VIEW_DB)->isChecked());
    for (int id : selections)
        EXPECT_TRUE(Action(id)->isEnabled());
}

TEST_F(FrameTest, PrintIsAvailableOnlyWhileTheGraphPaneIsActive)
{
    QTest::keyClick(&Frame(), Qt::Key_F6);
    EXPECT_EQ(Frame().GetActiveView(), Frame().GetDataView());
    EXPECT_FALSE(Action(ID_FILE_PRINT)->isEnabled());
    EXPECT_FALSE(Action(ID_FILE_PRINT_PREVIEW)->isEnabled());
    EXPECT_TRUE(Action(ID_TOOL_PASSBAND)->isEnabled());  // document commands work in either pane
    QTest::keyClick(&Frame(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(Frame().GetActiveView(), Frame().GetGraphView());
    EXPECT_TRUE(Action(ID_FILE_PRINT)->isEnabled());
    // A click into the form activates it, a click on the graph the graph.
    QTest::mouseClick(Frame().GetDataView()->findChild<QLineEdit*>("IDC_YAXIS"), Qt::LeftButton);
    EXPECT_FALSE(Action(ID_FILE_PRINT)->isEnabled());
    QTest::mouseClick(Frame().GetGraphView(), Qt::LeftButton);
    EXPECT_TRUE(Action(ID_FILE_PRINT_PREVIEW)->isEnabled());
}

TEST_F(FrameTest, CommandsThatNobodyHandlesAreDisabled)
{
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(Action(id)->isEnabled()) << id;
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT_SETUP, ID_APP_EXIT,
             ID_APP_ABOUT, ID_VIEW_ZERO, ID_TOOL_LENGTH, ID_TOOL_MINPHASE, ID_NEXT_PANE})
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
}

TEST_F(FrameTest, ToolBarAndStatusBarCanBeHiddenAndShownAgain)
{
    QToolBar* toolBar = Frame().findChild<QToolBar*>();
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
    Run(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(toolBar->isHidden());
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR)->isChecked());
    Run(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_FALSE(Action(ID_VIEW_STATUS_BAR)->isChecked());
    Run(ID_VIEW_TOOLBAR);
    Run(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(toolBar->isHidden());
    EXPECT_FALSE(Frame().statusBar()->isHidden());
}

TEST_F(FrameTest, DesigningThroughTheDialogDrawsTheFilterAndRefillsTheForm)
{
    DesignLowPass();
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 31);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(hasDrawing(Frame().GetGraphView()));
    EXPECT_TRUE(Action(ID_FILE_SAVETEXT)->isEnabled());
    EXPECT_EQ(Frame().GetDataView()->findChild<QLineEdit*>("IDC_YAXIS")->text().toStdString(),
        FormatDouble((*Doc().m_pCoef)[0]));
}

TEST_F(FrameTest, CancelledDesignChangesNothing)
{
    CModalWatch<CPassBandDlg> answer([](CPassBandDlg* dialog) {
        dialog->GetEdit(IDC_LENGTH)->setText("31");
        dialog->reject();
    });
    Run(ID_TOOL_PASSBAND);
    EXPECT_FALSE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_nLength, 0);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FrameTest, LengthEstimatePreFillsTheNextPassBandDialog)
{
    CModalWatch<CLengthEstimateDlg> estimate([](CLengthEstimateDlg* dialog) {
        dialog->GetEdit(IDC_RIPPLE)->setText("0.01");
        dialog->GetEdit(IDC_ATTENUATION)->setText("50");
        dialog->GetEdit(IDC_TRANSITION)->setText("0.1");
        dialog->accept();
    });
    Run(ID_TOOL_LENGTH);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Frame().GetResultField()->GetText(), "Estimated length: 41 taps");
    QString length, attenuation;
    CModalWatch<CPassBandDlg> design([&](CPassBandDlg* dialog) {
        length = dialog->GetEdit(IDC_LENGTH)->text();
        attenuation = dialog->GetEdit(IDC_ATTENUATION)->text();
        dialog->reject();
    });
    Run(ID_TOOL_PASSBAND);
    EXPECT_EQ(length, "41");  // the ripple sets the attenuation that counts
    EXPECT_EQ(attenuation, "50");
}

TEST_F(FrameTest, AboutBoxNamesTheVersion)
{
    QString title, text;
    CModalWatch<QDialog> about([&](QDialog* dialog) {
        title = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            text += label->text();
        dialog->accept();
    });
    Run(ID_APP_ABOUT);
    EXPECT_EQ(title, "ﾊﾞｰｼﾞｮﾝ情報(Filter)");
    EXPECT_TRUE(text.contains(QString("version ") + kFilterVersion)) << text.toStdString();
}

TEST_F(FrameTest, FilterPropertiesReportTheDesignAndMarkAMissedAttenuation)
{
    EXPECT_FALSE(Action(ID_VIEW_PROPERTIES)->isEnabled());
    DesignLowPass();  // 31 taps asking 60 dB: the design falls short of Kaiser's promise
    ASSERT_TRUE(Action(ID_VIEW_PROPERTIES)->isEnabled());
    QString title, design, stop, cutoff;
    bool marked = false;
    CModalWatch<CFilterPropertiesDlg> look([&](CFilterPropertiesDlg* dialog) {
        title = dialog->windowTitle();
        design = dialog->GetValue("design")->text();
        cutoff = dialog->GetValue("low cut-off")->text();
        stop = dialog->GetValue("stop-band attenuation")->text();
        marked = dialog->GetValue("stop-band attenuation")->styleSheet().contains("red");
        dialog->accept();
    });
    SaveSampleRate(48000.0);
    Run(ID_VIEW_PROPERTIES);
    EXPECT_EQ(title, "Filter Properties");
    EXPECT_EQ(design, "Kaiser window");
    EXPECT_TRUE(cutoff.startsWith("0.25 (12 kHz)")) << cutoff.toStdString();
    EXPECT_TRUE(marked);
    EXPECT_TRUE(stop.contains(", 60 dB asked; misses by ")) << stop.toStdString();
}

TEST_F(FrameTest, FormSurvivesEnlargingDraggingTheSplitterAndShrinkingAndItsHandleShows)
{
    QSplitter* splitter = Frame().GetSplitter();
    Frame().resize(900, 900);
    QCoreApplication::processEvents();
    QWidget* handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(handle, grip + QPoint(0, 500));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 500));
    EXPECT_GT(Frame().GetGraphView()->height(), 600);
    Frame().resize(600, 450);
    QCoreApplication::processEvents();
    CDataView* form = Frame().GetDataView();
    EXPECT_GE(form->height(), form->findChild<QLineEdit*>("IDC_XAXIS")->geometry().bottom());
    EXPECT_GE(splitter->handleWidth(), 5);
}

TEST_F(FrameTest, EstimateStaysInItsFieldPastMenuPromptsUntilTheNextDesign)
{
    CModalWatch<CLengthEstimateDlg> estimate([](CLengthEstimateDlg* dialog) {
        dialog->GetEdit(IDC_RIPPLE)->setText("0.1");
        dialog->GetEdit(IDC_ATTENUATION)->setText("60");
        dialog->GetEdit(IDC_TRANSITION)->setText("0.05");
        dialog->accept();
    });
    Run(ID_TOOL_LENGTH);
    CStatusField* field = Frame().GetResultField();
    EXPECT_TRUE(field->isVisible());
    // A menu item highlighted and left: its prompt shows in the message pane and goes.
    for (const QString& prompt : {Action(ID_TOOL_PASSBAND)->statusTip(), QString()}) {
        QStatusTipEvent tip(prompt);
        QApplication::sendEvent(&Frame(), &tip);
    }
    EXPECT_EQ(field->GetText(), "Estimated length: 73 taps");
    EXPECT_TRUE(field->isVisible());
    // Too narrow a window cuts the text, which the tool tip still holds whole; the frame
    // keeps the width it was given.
    Frame().resize(420, 450);
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().width(), 420);
    EXPECT_EQ(field->toolTip(), "Estimated length: 73 taps");
    DesignLowPass();
    EXPECT_TRUE(field->isHidden());
}

TEST_F(FrameTest, CopyingTheGraphSaysSoInTheStatusBar)
{
    DesignLowPass();
    Run(ID_EDIT_COPY_IMAGE);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), "Graph copied");
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(FrameTest, GrowthGoesToTheGraphAndTheNextStartRestoresTheWindowAsItWasClosed)
{
    CDataView* form = Frame().GetDataView();
    const int formHeight = form->height();
    Frame().resize(1280, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->height(), formHeight);
    EXPECT_GT(Frame().GetGraphView()->height(), 270 + 400);
    // Dragged, resized and closed: the next start opens the same.
    const QList<int> sizes = Frame().GetSplitter()->sizes();
    Frame().GetSplitter()->setSizes({sizes[0] - 70, sizes[1] + 70});
    Frame().resize(1000, 800);
    QCoreApplication::processEvents();
    const int graphHeight = Frame().GetGraphView()->height();
    ASSERT_TRUE(Frame().close());
    m_pApp = std::make_unique<CFilterApp>();
    ASSERT_TRUE(m_pApp->InitInstance({}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().size(), QSize(1000, 800));
    EXPECT_EQ(Frame().GetGraphView()->height(), graphHeight);
}
