// The zero display through the real programs: the workbench (its application object, in
// this process) designs a filter and shows its zeros, which runs the real zsolve and
// starts the real Zeroplot beside this test's executable, in the workbench's folder.
#include "CFilterApp.h"
#include "CFilterDoc.h"
#include "CMainFrame.h"
#include "CPassBandDlg.h"
#include "ExchangeLock.h"
#include "RecordFile.h"
#include "Resource.h"
#include "RunProgram.h"
#include "ViewerTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The state letter of process pid in /proc ('Z' for ended, not yet collected), or 0
// when there is no such process.
char ProcessState(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
        return 0;
    return line[line.rfind(')') + 2];
}

bool IsRunning(pid_t pid) { return pid > 0 && ProcessState(pid) != 0 && ProcessState(pid) != 'Z'; }

class ZeroDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<CFilterApp>();
        ASSERT_TRUE(m_app->InitInstance({}));
    }

    CFilterDoc& Doc() { return m_app->GetFilterDoc(); }
    pid_t ViewerPid() { return Doc().m_hViewer ? Doc().m_hViewer->Pid() : 0; }
    QString StatusMessage() { return m_app->GetFrame().statusBar()->currentMessage(); }

    // A low pass of length taps designed through the pass-band dialog.
    void Design(int taps)
    {
        CModalWatch<CPassBandDlg> answer([taps](CPassBandDlg* dialog) {
            dialog->GetEdit(IDC_LOWCUT)->setText("0.2");
            dialog->GetEdit(IDC_LENGTH)->setText(QString::number(taps));
            dialog->GetEdit(IDC_ATTENUATION)->setText("50");
            dialog->accept();
        });
        m_app->GetFrame().GetAction(ID_TOOL_PASSBAND)->trigger();
        ASSERT_TRUE(Doc().m_pCoef);
        ASSERT_EQ(Doc().m_pCoef->GetSize(), taps);
    }

    // Chooses the zero display and expects a Zeroplot running in the folder; its pid.
    pid_t ShowZeros()
    {
        m_app->GetFrame().GetAction(ID_VIEW_ZERO)->trigger();
        const pid_t pid = ViewerPid();
        EXPECT_TRUE(IsRunning(pid));
        EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(pid) + "/exe"), fs::canonical(ProgramBesideTest("Zeroplot")));
        EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(pid) + "/cwd"), fs::canonical(m_folder.path()));
        QTest::qWait(300);
        EXPECT_TRUE(IsRunning(pid)) << "Zeroplot ended by itself";
        return pid;
    }

    QApplication& m_qt = TestApplication();
    WorkFolder m_folder;
    std::unique_ptr<CFilterApp> m_app;
};

TEST_F(ZeroDisplay, ShowsTheDesignedFiltersZerosInZeroplot)
{
    Design(31);
    ShowZeros();
    const exchange::RecordFile roots = exchange::ReadRecordFile("root.bin");
    ASSERT_EQ(roots.count, 30);
    ASSERT_TRUE(roots.complete());
    ASSERT_TRUE(Doc().m_pRoots);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(roots.records[i].re, (*Doc().m_pRoots)[i].re);
        EXPECT_EQ(roots.records[i].im, (*Doc().m_pRoots)[i].im);
    }
    EXPECT_EQ(StatusMessage(), "");
    // Having read root.bin, the running viewer lets go of the exchange's lock.
    EXPECT_TRUE(QTest::qWaitFor([] { return exchange::CExchangeLock().TryAcquire(); }, 5000));
}

TEST_F(ZeroDisplay, TheRootFindersOwnReasonReachesTheStatusBar)
{
    Doc().SetCoefficients(CRealArray(3));
    m_app->GetFrame().GetAction(ID_VIEW_ZERO)->trigger();
    EXPECT_EQ(StatusMessage(), "The root finder zsolve failed: \"beta.bin\": all coefficients are zero.");
    EXPECT_EQ(Doc().m_hViewer, nullptr);
}

TEST_F(ZeroDisplay, NewDesignEndsTheRunningViewer)
{
    Design(31);
    const pid_t viewer = ShowZeros();
    Design(21);
    EXPECT_EQ(Doc().m_hViewer, nullptr);
    EXPECT_FALSE(IsRunning(viewer));
    EXPECT_EQ(ProcessState(viewer), 0) << "the ended viewer was not collected";
}

TEST_F(ZeroDisplay, ViewerClosedByTheUserIsReplacedWithoutError)
{
    Design(31);
    const pid_t first = ShowZeros();
    ::kill(first, SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !IsRunning(first); }, 5000));
    const pid_t second = ShowZeros();
    EXPECT_NE(second, first);
    EXPECT_EQ(StatusMessage(), "");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ZeroDisplay, ClosingTheWorkbenchEndsItsViewer)
{
    Design(31);
    const pid_t viewer = ShowZeros();
    CModalWatch<QMessageBox> question([](QMessageBox* box) {  // whether to save the new design
        box->button(QMessageBox::No)->click();
    });
    EXPECT_TRUE(m_app->GetFrame().close());
    m_app.reset();
    EXPECT_FALSE(IsRunning(viewer));
}

}  // namespace
