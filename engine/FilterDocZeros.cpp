// The zeros of the filter: the exchange with the root finder, the zero viewer, and the
// minimum-phase conversion built on them.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "DisplayData.h"
#include "MinimumPhase.h"
#include "RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

bool CFilterDoc::ComputeRoots()
{
    if (m_pRoots)
        return true;
    const int n = m_pCoef->GetSize();
    if (n < 1 || n > exchange::kMaxRecords) {
        m_ui.ShowStatusError("Zeros can be found for 1 to 65535 coefficients; this filter has "
            + std::to_string(n) + ".");
        return false;
    }
    CComplexArray polynomial(n);
    for (int j = 0; j < n; ++j)
        polynomial[j] = (*m_pCoef)[n - 1 - j];
    try {
        exchange::WriteRecordFile(exchange::kBetaFile, polynomial);
    } catch (const std::runtime_error& e) {
        m_ui.ShowStatusError(std::string("The zeros were not computed: ") + e.what() + ".");
        return false;
    }
    return RunRootFinder() && ReadRoots();
}

// Runs zsolve on "beta.bin" after removing any "root.bin" of an earlier run, so that only
// a file written by this run can be taken as the result.
bool CFilterDoc::RunRootFinder()
{
    if (std::remove(exchange::kRootFile) != 0 && errno != ENOENT) {
        m_ui.ShowStatusError(std::string("The old root.bin cannot be removed: ") + std::strerror(errno) + ".");
        return false;
    }
    const std::string program = FindProgram("zsolve");
    std::unique_ptr<CProcessHandle> process = program.empty() ? nullptr : CProcessHandle::Start(program, {exchange::kBetaFile});
    if (!process) {
        m_ui.ShowStatusError("The root finder zsolve could not be started.");
        return false;
    }
    if (!m_ui.WaitForRootFinder(*process)) {
        process->Terminate();
        m_ui.ShowStatusError("The root finder was cancelled.");
        return false;
    }
    if (process->ExitStatus() != 0) {
        m_ui.ShowStatusError("The root finder zsolve failed (exit status " + std::to_string(process->ExitStatus()) + ").");
        return false;
    }
    return true;
}

bool CFilterDoc::ReadRoots()
{
    const int expected = m_pCoef->GetSize() - 1;
    try {
        exchange::RecordFile file = exchange::ReadRecordFile(exchange::kRootFile);
        if (file.count != expected || !file.complete()) {
            m_ui.ShowStatusError("root.bin holds " + std::to_string(file.present) + " zeros where "
                + std::to_string(expected) + " were expected.");
            return false;
        }
        m_pRoots = std::make_unique<CComplexArray>(std::move(file.records));
        return true;
    } catch (const std::runtime_error& e) {
        m_ui.ShowStatusError(std::string("The zeros were not read: ") + e.what() + ".");
        return false;
    }
}

void CFilterDoc::OnViewZero()
{
    if (!m_pCoef || !ComputeRoots())
        return;
    StopViewer();
    const std::string program = FindProgram("Zeroplot");
    if (!program.empty())
        m_hViewer = CProcessHandle::Start(program, {});
    if (!m_hViewer)
        m_ui.ShowStatusError("The zero viewer Zeroplot could not be started.");
}

void CFilterDoc::OnToolMinPhase()
{
    if (!m_pCoef || !ComputeRoots())
        return;
    if (MirrorOutsideZeros(*m_pRoots) == 0)
        return;
    const CRealArray rebuilt = CoefficientsFromZeros(*m_pRoots, m_pCoef->rms());
    m_pRoots.reset();  // mirrored: no longer the zeros of the coefficients
    if (!std::all_of(rebuilt.data(), rebuilt.data() + rebuilt.GetSize(), [](double h) { return std::isfinite(h); })) {
        m_ui.ShowStatusError("The minimum-phase filter could not be rebuilt from the zeros.");
        return;
    }
    *m_pCoef = rebuilt;
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    CoefficientsChanged(DesignNone);
    SetModifiedFlag(true);
}
