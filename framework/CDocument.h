#pragma once

#include "CArchive.h"
#include "CCmdTarget.h"
#include "CView.h"

#include <string>
#include <vector>

// A document: its data, the file it was read from or written to, whether it has changed
// since, and the views that show it.
class CDocument : public CCmdTarget {
public:
    // The largest document file File Open reads: 1 GiB.
    static constexpr size_t kMaxDocumentBytes = size_t{1} << 30;

    ~CDocument() override = default;

    // File New: forgets the path name and the modified flag. True on success.
    virtual bool OnNewDocument();
    // Stores the document into ar, or loads it from ar. A load that cannot be taken
    // throws CArchiveException before it changes anything; so does a store of contents
    // that could not be loaded again.
    virtual void Serialize(CArchive& ar) = 0;

    // File Open: loads path through Serialize, then takes its name and clears the modified
    // flag. Only a regular file of at most kMaxDocumentBytes is read, and only as far as
    // Serialize reads it. Throws
    // exchange::FileError or CArchiveException, naming the file and the reason; the
    // document then keeps its previous contents and name.
    virtual void OnOpenDocument(const std::string& path);
    // File Save: stores through Serialize and replaces path atomically, then takes its
    // name and clears the modified flag. Throws exchange::FileError, or CArchiveException
    // when Serialize refuses to store; the previous file then stays as it was.
    virtual void OnSaveDocument(const std::string& path);

    const std::string& GetPathName() const { return m_strPathName; }
    // The file name of the path, or "Untitled" for a document never saved or opened.
    std::string GetTitle() const;
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    // The views in the order they were added.
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, long lHint = 0);

private:
    std::string m_strPathName;
    bool m_bModified = false;
    std::vector<CView*> m_views;
};
