#include "CDocument.h"

#include "FileIo.h"
#include "Message.h"
#include "Printable.h"

#include <algorithm>

bool CDocument::OnNewDocument()
{
    m_strPathName.clear();
    m_bModified = false;
    return true;
}

void CDocument::OnOpenDocument(const std::string& path)
{
    exchange::CReadFile file(path, kMaxDocumentBytes);
    CArchive ar(file);
    try {
        Serialize(ar);
    } catch (const CArchiveException& e) {
        throw CArchiveException(
            text::Tr("CDocument", "cannot open \"%1\": %2").arg(exchange::PrintableText(path)).arg(e.what()));
    }
    m_strPathName = path;
    m_bModified = false;
}

void CDocument::OnSaveDocument(const std::string& path)
{
    std::string bytes;
    CArchive ar(bytes, CArchive::store);
    try {
        Serialize(ar);
    } catch (const CArchiveException& e) {
        throw CArchiveException(
            text::Tr("CDocument", "cannot write \"%1\": %2").arg(exchange::PrintableText(path)).arg(e.what()));
    }
    exchange::WriteFileAtomically(path, bytes);
    m_strPathName = path;
    m_bModified = false;
}

std::string CDocument::GetTitle() const
{
    if (m_strPathName.empty())
        return text::Tr("CDocument", "Untitled");
    const size_t slash = m_strPathName.find_last_of('/');
    return slash == std::string::npos ? m_strPathName : m_strPathName.substr(slash + 1);
}

void CDocument::AddView(CView* view) { m_views.push_back(view); }

void CDocument::RemoveView(CView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(CView* pSender, long lHint)
{
    for (CView* view : m_views)
        if (view != pSender)
            view->OnUpdate(pSender, lHint);
}
