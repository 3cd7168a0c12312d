#pragma once

#include "CComplexArray.h"
#include "CDocument.h"

#include <memory>

// The zero viewer's document: the zeros read from "root.bin" in the current directory when
// the document is constructed, and the Show All mode. It has no file format of its own and
// is never modified. Members are public for the view to read.
class CZeroplotDoc : public CDocument {
public:
    // Reads "root.bin" (a regular file only: a FIFO or device there is never waited for).
    // A missing, unreadable or too short file leaves no zeros (m_pRoots null, m_nRoots 0)
    // and is not reported; a file shorter than its count yields the records present, the
    // others NaN (not drawn); bytes after the counted records are ignored.
    CZeroplotDoc();

    // The framework's File New; the zeros stay as they were read at construction.
    bool OnNewDocument() override;
    // Reads and writes nothing.
    void Serialize(CArchive& ar) override;
    // Answers ID_VIEW_SHOWALL.
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // Toggles m_bShowAll and redraws every view.
    void OnViewShowAll();
    // Checks the Show All item while m_bShowAll is 1; the item is always enabled.
    void OnUpdateViewShowAll(CCmdUI* pCmdUI);

    std::unique_ptr<CComplexArray> m_pRoots;  // the zeros; null when none could be read
    int m_nRoots = 0;                         // the count of "root.bin", 0 .. 65535
    int m_bShowAll = 0;                       // 1: scale to the farthest zero

private:
    void LoadRoots();
};
