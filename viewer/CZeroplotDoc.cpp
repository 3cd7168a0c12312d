#include "CZeroplotDoc.h"

#include "ExchangeLock.h"
#include "RecordFile.h"
#include "Resource.h"

#include <limits>
#include <stdexcept>

CZeroplotDoc::CZeroplotDoc() { LoadRoots(); }

// The viewer is started on whatever the root finder left; a file it cannot use (FileError,
// FormatError) just means there is nothing to show, so the failure is swallowed without a
// message and the members keep their empty values. Records a short file lacks become
// NaN, which the view neither draws nor scales to. Once the file is read, the workbench's
// lock on the exchange, if it handed one on, is let go.
void CZeroplotDoc::LoadRoots()
{
    try {
        exchange::RecordFile file = exchange::ReadRecordFile(exchange::kRootFile);
        const double missing = std::numeric_limits<double>::quiet_NaN();
        file.records.Fill(file.present, file.count, CComplex(missing, missing));
        m_pRoots = std::make_unique<CComplexArray>(std::move(file.records));
        m_nRoots = file.count;
    } catch (const std::runtime_error&) {
    }
    exchange::ReleaseHandedOnLock();
}

bool CZeroplotDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

// The zeros belong to "root.bin" and are read once, at construction: a document file
// stores nothing, and opening one loads nothing.
void CZeroplotDoc::Serialize(CArchive&) {}

bool CZeroplotDoc::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    if (id != ID_VIEW_SHOWALL)
        return CDocument::OnCmdMsg(id, pCmdUI);
    if (pCmdUI)
        OnUpdateViewShowAll(pCmdUI);
    else
        OnViewShowAll();
    return true;
}

void CZeroplotDoc::OnViewShowAll()
{
    m_bShowAll = m_bShowAll == 0 ? 1 : 0;
    UpdateAllViews(nullptr, 0);
}

void CZeroplotDoc::OnUpdateViewShowAll(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bShowAll == 1 ? 1 : 0); }
