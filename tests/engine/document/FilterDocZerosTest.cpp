// The zero display and the minimum-phase conversion through the real root finder, with
// small shell scripts standing in for a misbehaving root finder and for the zero viewer.
#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "ExchangeLock.h"
#include "FakeUi.h"
#include "FileIo.h"
#include "RecordFile.h"
#include "Resource.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

// A user who gives up waiting as soon as the root finder has said it runs.
struct ImpatientUi : FakeUi {
    bool WaitForRootFinder(CProcessHandle&) override
    {
        for (int i = 0; i < 500 && !std::filesystem::exists("solver"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return false;
    }
};

class ZerosTest : public ::testing::Test {
protected:
    ZerosTest()
    {
        std::filesystem::create_directory(tools.path() / "bin");
        std::filesystem::create_symlink(ZSOLVE_PROGRAM, tools / "bin/zsolve");
        Script("bin/Zeroplot", "echo $$ >> viewers\nexec sleep 60");
        m_previousPath = std::getenv("PATH");
        ::setenv("PATH", (tools / "bin:/usr/bin:/bin").c_str(), 1);
        m_previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(work.path());
        doc.AddView(&view);
    }
    ~ZerosTest() override
    {
        std::filesystem::current_path(m_previousFolder);
        ::setenv("PATH", m_previousPath.c_str(), 1);
    }

    // Replaces the program at name (under the tools folder) by a shell script.
    void Script(const std::string& name, const std::string& body)
    {
        std::filesystem::remove(tools / name);
        exchange::WriteFileAtomically(tools / name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(tools / name, std::filesystem::perms::owner_all);
    }

    void Install(std::initializer_list<double> h)
    {
        CRealArray coef(static_cast<int>(h.size()));
        std::copy(h.begin(), h.end(), coef.data());
        doc.SetCoefficients(coef);
        doc.SetModifiedFlag(false);
    }

    // The process ids the stand-in viewer recorded, in start order.
    std::vector<pid_t> Viewers()
    {
        std::vector<pid_t> pids;
        std::istringstream lines(std::filesystem::exists("viewers") ? exchange::ReadFileBytes("viewers") : "");
        for (pid_t pid; lines >> pid;)
            pids.push_back(pid);
        return pids;
    }

    // Waits until the stand-in viewers have recorded count process ids.
    void AwaitViewers(size_t count)
    {
        for (int i = 0; i < 500 && Viewers().size() < count; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    TempFolder tools, work;
    FakeUi ui;
    CFilterDoc doc{ui};
    CountingView view;

private:
    std::string m_previousPath;
    std::filesystem::path m_previousFolder;
};

bool Running(pid_t pid) { return ::kill(pid, 0) == 0; }

}  // namespace

TEST_F(ZerosTest, WritesTheReversedCoefficientsAndReadsTheZerosBack)
{
    Install({1.0, 2.0, 3.0});
    ASSERT_TRUE(doc.ComputeRoots()) << (ui.statusErrors.empty() ? "" : ui.statusErrors[0]);
    const std::string beta = exchange::ReadFileBytes("beta.bin");
    ASSERT_EQ(beta.size(), 50u);
    const exchange::RecordFile records = exchange::DecodeRecords(beta);
    EXPECT_EQ(records.records[0].re, 3.0);
    EXPECT_EQ(records.records[2].re, 1.0);
    ASSERT_EQ(doc.m_pRoots->GetSize(), 2);
    for (int i = 0; i < 2; ++i) {  // zeros of 1 + 2/z + 3/z^2: z^2 + 2z + 3 = 0
        const std::complex<double> z((*doc.m_pRoots)[i].re, (*doc.m_pRoots)[i].im);
        EXPECT_LT(std::abs(z * z + 2.0 * z + 3.0), 1e-14);
    }
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ZerosTest, KnownZerosAreReusedWithoutTheRootFinder)
{
    Install({1.0, -2.5, 1.0});
    ASSERT_TRUE(doc.ComputeRoots());
    std::filesystem::remove("beta.bin");
    std::filesystem::remove(tools / "bin/zsolve");
    EXPECT_TRUE(doc.ComputeRoots());
    EXPECT_FALSE(std::filesystem::exists("beta.bin"));
    EXPECT_EQ(ui.rootFinderRuns, 1);
}

TEST_F(ZerosTest, NeverTakesAStaleOrFailedResult)
{
    Install({1.0, -2.5, 1.0});
    const struct {
        const char* zsolve;
        const char* reason;
    } cases[] = {
        {"exit 0", "not read"},                                  // writes nothing
        {"cp stale.bin root.bin; exit 1", "exit status 1"},      // fails after writing
        {"printf '\\001\\000' > root.bin", "holds 0 zeros"},       // wrong count
        {"head -c 20 stale.bin > root.bin", "holds 1 zeros"},      // short file
        // Not a file to read: never waited for, never read without end.
        {"mkfifo root.bin", "cannot open \"root.bin\": it is not a regular file"},
        {"mkdir root.bin", "cannot open \"root.bin\": it is a folder"},
        {"ln -s /dev/zero root.bin", "cannot open \"root.bin\": it is not a regular file"},
        // The root finder's own reason, on one line and with control characters escaped.
        {"printf 'zsolve: \"beta.bin\": no \\033[1mgood\\n' >&2; exit 1",
            "The root finder zsolve failed: \"beta.bin\": no \\x1B[1mgood."},
        // Lines of progress before the reason are not taken for it.
        {"printf 'zsolve: 1 of 2 roots found\\nzsolve: \"beta.bin\": broke\\n' >&2; exit 1",
            "The root finder zsolve failed: \"beta.bin\": broke."},
        {"kill -KILL $$", "The root finder zsolve was ended by signal 9 (Killed)."},
    };
    CComplexArray twoZeros(2);
    exchange::WriteRecordFile("stale.bin", twoZeros);
    for (const auto& c : cases) {
        Script("bin/zsolve", c.zsolve);
        std::filesystem::remove_all("root.bin");
        exchange::WriteRecordFile("root.bin", twoZeros);  // an earlier run's file with the right count
        ui.statusErrors.clear();
        EXPECT_FALSE(doc.ComputeRoots()) << c.zsolve;
        EXPECT_EQ(doc.m_pRoots, nullptr);
        ASSERT_EQ(ui.statusErrors.size(), 1u) << c.zsolve;
        EXPECT_NE(ui.statusErrors[0].find(c.reason), std::string::npos) << ui.statusErrors[0];
    }
}

TEST_F(ZerosTest, AFolderNamedRootBinIsLeftAloneAndALinkNamedBetaBinIsReplaced)
{
    Install({1.0, -2.5, 1.0});
    std::filesystem::create_directory("root.bin");
    EXPECT_FALSE(doc.ComputeRoots());
    EXPECT_EQ(ui.statusErrors.at(0), "root.bin is a folder; the zeros were not computed.");
    EXPECT_TRUE(std::filesystem::is_directory("root.bin"));
    EXPECT_EQ(ui.rootFinderRuns, 0);
    std::filesystem::remove("root.bin");
    exchange::WriteFileAtomically("victim", "kept");
    std::filesystem::remove("beta.bin");
    std::filesystem::create_symlink("victim", "beta.bin");
    EXPECT_TRUE(doc.ComputeRoots());
    EXPECT_EQ(exchange::ReadFileBytes("victim"), "kept");
    EXPECT_FALSE(std::filesystem::is_symlink("beta.bin"));
}

TEST_F(ZerosTest, AnotherRootFindingInTheFolderIsWaitedForAndTheWaitCanBeGivenUp)
{
    Install({1.0, -2.5, 1.0});
    auto other = std::make_unique<exchange::CExchangeLock>();
    ASSERT_TRUE(other->TryAcquire());
    ui.giveUpExchangeWait = true;
    EXPECT_FALSE(doc.ComputeRoots());
    EXPECT_EQ(ui.statusErrors.at(0), "The wait for another root finding in this folder was cancelled.");
    EXPECT_FALSE(std::filesystem::exists("beta.bin"));
    ui.giveUpExchangeWait = false;
    ui.whileWaitingForExchange = [&other] { other.reset(); };  // the other one ends
    EXPECT_TRUE(doc.ComputeRoots());
    EXPECT_EQ(ui.exchangeWaits, 2);
    EXPECT_EQ(ui.rootFinderRuns, 1);
}

TEST_F(ZerosTest, TheViewerGetsTheDocumentsZerosAndHoldsTheLockWhileItRuns)
{
    Script("bin/Zeroplot", "cp root.bin seen.bin; echo $$ >> viewers\nexec sleep 60");
    Install({1.0, -2.5, 1.0});
    ASSERT_TRUE(doc.ComputeRoots());
    CComplexArray other(2);
    exchange::WriteRecordFile("root.bin", other);  // another root finding's result since
    doc.OnViewZero();
    AwaitViewers(1);
    EXPECT_EQ(exchange::ReadFileBytes("seen.bin"), exchange::EncodeRecords(*doc.m_pRoots));
    EXPECT_FALSE(exchange::CExchangeLock().TryAcquire());  // the stand-in never lets it go
    ::kill(Viewers().at(0), SIGKILL);  // its end lets the lock go
    bool free = false;
    for (int i = 0; i < 500 && !free; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        free = exchange::CExchangeLock().TryAcquire();
    }
    EXPECT_TRUE(free);
}

TEST_F(ZerosTest, RefusesFiltersTheCountFieldCannotHold)
{
    doc.SetCoefficients(CRealArray(65536));
    EXPECT_FALSE(doc.ComputeRoots());
    EXPECT_FALSE(std::filesystem::exists("beta.bin"));
    EXPECT_EQ(ui.rootFinderRuns, 0);
    doc.SetCoefficients(CRealArray(0));
    EXPECT_FALSE(doc.ComputeRoots());
    EXPECT_EQ(ui.statusErrors.size(), 2u);
}

TEST_F(ZerosTest, CancellingTheWaitEndsTheRootFinder)
{
    ImpatientUi impatient;
    CFilterDoc other(impatient);
    Script("bin/zsolve", "echo $$ > solver.tmp && mv solver.tmp solver\nexec sleep 60");
    CRealArray coef(3);
    coef[0] = 1.0;
    other.SetCoefficients(coef);
    EXPECT_FALSE(other.ComputeRoots());
    EXPECT_NE(impatient.statusErrors.at(0).find("cancelled"), std::string::npos);
    const pid_t pid = std::stoi(exchange::ReadFileBytes("solver"));
    EXPECT_FALSE(Running(pid));
}

TEST_F(ZerosTest, EachZeroDisplayReplacesTheViewerAndChangesEndIt)
{
    Install({1.0, -2.5, 1.0});
    doc.OnCmdMsg(ID_VIEW_ZERO, nullptr);
    AwaitViewers(1);
    doc.OnViewZero();
    AwaitViewers(2);
    std::vector<pid_t> viewers = Viewers();
    ASSERT_EQ(viewers.size(), 2u);
    EXPECT_FALSE(Running(viewers[0]));
    EXPECT_TRUE(Running(viewers[1]));
    EXPECT_EQ(ui.rootFinderRuns, 1);
    ::kill(viewers[1], SIGTERM);  // the user closes the viewer
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    doc.OnViewZero();
    AwaitViewers(3);
    viewers = Viewers();
    ASSERT_EQ(viewers.size(), 3u);
    EXPECT_TRUE(ui.statusErrors.empty());
    Install({1.0, 0.5});  // new coefficients end the viewer
    EXPECT_FALSE(Running(viewers[2]));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 2);  // the installs only: the zero display redraws nothing
}

TEST_F(ZerosTest, MinimumPhaseMirrorsTheOutsideZerosAndKeepsTheRms)
{
    Install({1.0, -2.0});  // zero at 2
    doc.OnViewZero();
    AwaitViewers(1);
    doc.OnCmdMsg(ID_TOOL_MINPHASE, nullptr);  // uses the zeros already held
    EXPECT_EQ(ui.rootFinderRuns, 1);
    EXPECT_NEAR((*doc.m_pCoef)[0], 2.0, 1e-14);  // zero at 0.5, same rms
    EXPECT_NEAR((*doc.m_pCoef)[1], -1.0, 1e-14);
    EXPECT_EQ(doc.m_pRoots, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_nDisplay, DisplayImpulse);
    EXPECT_NEAR((*doc.m_pResponse)[0].re, 1.0, 1e-14);
    EXPECT_FALSE(Running(Viewers().at(0)));

    Install({1.0, -2.5, 1.0});  // zeros 2 and 0.5: a double zero at 0.5
    doc.OnToolMinPhase();
    const double scale = (*doc.m_pCoef)[0];
    EXPECT_NEAR((*doc.m_pCoef)[1] / scale, -1.0, 1e-7);
    EXPECT_NEAR((*doc.m_pCoef)[2] / scale, 0.25, 1e-7);
    EXPECT_NEAR(doc.m_pCoef->rms(), std::sqrt(8.25 / 3.0), 1e-14);
}

TEST_F(ZerosTest, MinimumPhaseLeavesAFilterWithoutOutsideZerosAlone)
{
    Install({1.0, 1.0});  // zero at -1, on the circle
    doc.OnToolMinPhase();
    EXPECT_EQ((*doc.m_pCoef)[1], 1.0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_NE(doc.m_pRoots, nullptr);
}

TEST_F(ZerosTest, MinimumPhaseKeepsTheAmplitudeOfADesignedFilter)
{
    ui.passBandTexts = Typed(LowPass, "31", "0.25");
    doc.OnToolPassband();
    const CComplexArray before = *doc.m_pResponse;
    const std::optional<CRequirements> designed = doc.m_requirements;
    const CFilterMeasurement linear = doc.Measure();
    doc.OnToolMinPhase();
    double peak = 0.0;
    for (int k = 0; k < before.GetSize(); ++k)
        peak = std::max(peak, before[k].abs());
    for (int k = 0; k < before.GetSize(); ++k)
        if (before[k].abs() > 1e-3 * peak) {
            EXPECT_NEAR((*doc.m_pResponse)[k].abs() / before[k].abs(), 1.0, 1e-9) << k;
        }
    ASSERT_TRUE(doc.ComputeRoots());
    for (int i = 0; i < doc.m_pRoots->GetSize(); ++i)
        EXPECT_LE((*doc.m_pRoots)[i].abs(), 1.0 + 1e-9) << i;
    // The pass band arrives earlier than the linear-phase 15 samples; the design is no longer known.
    doc.OnViewGroupDelay();
    for (int k = 0; k < 24; ++k)
        EXPECT_LT((*doc.m_pDisplay)[k], 15.0) << k;
    // The requirements stay, and so, with the amplitude, do the band figures.
    const CFilterMeasurement minimum = doc.Measure();
    EXPECT_EQ(minimum.design.nMethod, DesignNone);
    EXPECT_EQ(doc.m_requirements, designed);
    EXPECT_NEAR(minimum.stopLargest->dDb, linear.stopLargest->dDb, 1e-6);
    EXPECT_NEAR(*minimum.passRipple, *linear.passRipple, 1e-6);
}

TEST_F(ZerosTest, TheRootFindersProgressReachesTheUserAndEndsWithAllCertified)
{
    ui.passBandTexts = Typed(LowPass, "2049", "0.2");
    doc.OnToolPassband();
    ASSERT_TRUE(doc.ComputeRoots());
    ASSERT_FALSE(ui.rootProgress.empty());
    const CRootFinderProgress& last = ui.rootProgress.back();
    EXPECT_EQ(last.total, 2048);
    EXPECT_EQ(last.found, 2048);
    EXPECT_EQ(last.certified, 2048);
    for (size_t k = 1; k < ui.rootProgress.size(); ++k) {
        EXPECT_GE(ui.rootProgress[k].found, ui.rootProgress[k - 1].found) << k;
        EXPECT_GE(ui.rootProgress[k].certified, ui.rootProgress[k - 1].certified) << k;
        EXPECT_LE(ui.rootProgress[k].certified, ui.rootProgress[k].found) << k;
    }
    EXPECT_TRUE(ui.statusErrors.empty());
}
