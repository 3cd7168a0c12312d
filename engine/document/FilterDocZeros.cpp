// The zeros of the filter: the exchange with the root finder, the zero viewer, and the
// minimum-phase conversion built on them.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "DisplayData.h"
#include "ExchangeLock.h"
#include "FileIo.h"
#include "MinimumPhase.h"
#include "Printable.h"
#include "RecordFile.h"
#include "RootFinderProgress.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <unistd.h>

namespace {

// Why the root finder failed, on one line: the signal that ended it, else the first line
// it wrote to standard error (without its "zsolve: " prefix), else its exit status.
text::CMessage rootFinderFailure(const CProcessHandle& process)
{
    if (process.TermSignal() != 0)
        return text::Tr("CFilterDoc", "The root finder zsolve was ended by signal %1 (%2).")
            .arg(process.TermSignal())
            .arg(::strsignal(process.TermSignal()));
    const std::string& errors = process.ErrorOutput();
    std::string reason = errors.substr(0, errors.find('\n'));
    const std::string prefix = "zsolve: ";
    if (reason.rfind(prefix, 0) == 0)
        reason.erase(0, prefix.size());
    if (reason.empty())
        return text::Tr("CFilterDoc", "The root finder zsolve failed (exit status %1).").arg(process.ExitStatus());
    // The root finder speaks English; its reason is shown as it wrote it.
    return text::Tr("CFilterDoc", "The root finder zsolve failed: %1")
        .arg(exchange::PrintableText(reason) + (reason.back() == '.' ? "" : "."));
}

}  // namespace

bool CFilterDoc::ComputeRoots()
{
    if (m_pRoots)
        return true;
    const std::unique_ptr<exchange::CExchangeLock> lock = LockExchange();
    return lock && ExchangeRoots();
}

// The lock of the exchange in the current folder, once taken; while another root finding
// holds it, the user interface waits as it waits for the root finder. Null, with the
// reason shown, when the lock file cannot be opened or the user gave up waiting.
std::unique_ptr<exchange::CExchangeLock> CFilterDoc::LockExchange()
{
    std::unique_ptr<exchange::CExchangeLock> lock;
    try {
        lock = std::make_unique<exchange::CExchangeLock>();
    } catch (const exchange::FileError& e) {
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The zeros were not computed: %1.").arg(e.what()));
        return nullptr;
    }
    CPolledWait free([&lock] { return lock->TryAcquire(); });
    if (lock->TryAcquire() || m_ui.WaitForExchange(free))
        return lock;
    m_ui.ShowStatusError(text::Tr("CFilterDoc", "The wait for another root finding in this folder was cancelled."));
    return nullptr;
}

// Writes "beta.bin", runs the root finder and reads "root.bin"; the caller holds the lock.
bool CFilterDoc::ExchangeRoots()
{
    const int n = m_pCoef->GetSize();
    if (n < 1 || n > exchange::kMaxRecords) {
        m_ui.ShowStatusError(
            text::Tr("CFilterDoc", "Zeros can be found for 1 to 65535 coefficients; this filter has %1.").arg(n));
        return false;
    }
    CComplexArray polynomial(n);
    for (int j = 0; j < n; ++j)
        polynomial[j] = (*m_pCoef)[n - 1 - j];
    try {
        exchange::WriteRecordFile(exchange::kBetaFile, polynomial);
    } catch (const std::runtime_error& e) {
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The zeros were not computed: %1.").arg(e.what()));
        return false;
    }
    return RunRootFinder() && ReadRoots();
}

// Runs zsolve on "beta.bin" after removing any "root.bin" of an earlier run, so that only
// a file written by this run can be taken as the result. A folder of that name is no
// earlier result: it is left alone and the run refused. zsolve's lines of progress go to
// the user interface while it waits, the other lines of its standard error are its reason.
bool CFilterDoc::RunRootFinder()
{
    if (::unlink(exchange::kRootFile) != 0 && errno != ENOENT) {
        const int error = errno;
        m_ui.ShowStatusError(error == EISDIR
                ? text::Tr("CFilterDoc", "root.bin is a folder; the zeros were not computed.")
                : text::Tr("CFilterDoc", "The old root.bin cannot be removed: %1.").arg(std::strerror(error)));
        return false;
    }
    const std::string program = FindProgram("zsolve");
    CRootFinderProgress progress;
    CStartOptions options;
    options.bCaptureErrors = true;
    options.lineFilter = [this, &progress](const std::string& line) {
        const bool taken = ReadRootFinderProgress(line, progress);
        if (taken)
            m_ui.ShowRootFinderProgress(progress);
        return taken;
    };
    std::unique_ptr<CProcessHandle> process = program.empty() ? nullptr : CProcessHandle::Start(program, {"--progress", exchange::kBetaFile}, options);
    if (!process) {
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The root finder zsolve could not be started."));
        return false;
    }
    if (!m_ui.WaitForRootFinder(*process)) {
        process->Terminate();
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The root finder was cancelled."));
        return false;
    }
    if (process->ExitStatus() != 0) {
        m_ui.ShowStatusError(rootFinderFailure(*process));
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
            m_ui.ShowStatusError(text::Tr("CFilterDoc", "root.bin holds %1 zeros where %2 were expected.")
                                     .arg(file.present)
                                     .arg(expected));
            return false;
        }
        m_pRoots = std::make_unique<CComplexArray>(std::move(file.records));
        return true;
    } catch (const std::runtime_error& e) {
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The zeros were not read: %1.").arg(e.what()));
        return false;
    }
}

void CFilterDoc::OnViewZero()
{
    if (!m_pCoef)
        return;
    if (m_pRoots)
        StopViewer();  // a viewer that has not yet read root.bin holds the lock until it ends
    const std::unique_ptr<exchange::CExchangeLock> lock = LockExchange();
    if (!lock || (!m_pRoots && !ExchangeRoots()))
        return;
    StopViewer();
    StartViewer(*lock);
}

// Starts Zeroplot on the zeros the document holds. "root.bin" is written from them first,
// since another root finding in this folder may have replaced it after they were read,
// and the viewer receives the lock, which it holds until it has read the file.
void CFilterDoc::StartViewer(const exchange::CExchangeLock& lock)
{
    try {
        exchange::WriteRecordFile(exchange::kRootFile, *m_pRoots);
    } catch (const std::runtime_error& e) {
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The zero viewer was not started: %1.").arg(e.what()));
        return;
    }
    const std::string program = FindProgram("Zeroplot");
    CStartOptions options;
    options.nHandOnFd = lock.Descriptor();
    if (!program.empty())
        m_hViewer = CProcessHandle::Start(program, {}, options);
    if (!m_hViewer)
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The zero viewer Zeroplot could not be started."));
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
        m_ui.ShowStatusError(text::Tr("CFilterDoc", "The minimum-phase filter could not be rebuilt from the zeros."));
        return;
    }
    *m_pCoef = rebuilt;
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    CoefficientsChanged(DesignNone);
    SetModifiedFlag(true);
}
