#pragma once

#include "CCmdTarget.h"

// A view of a document: told to refresh whenever the document changes what it shows.
class CView : public CCmdTarget {
public:
    // pSender: the view that caused the change, or null; lHint: 0 unless a caller says more.
    virtual void OnUpdate(CView* pSender, long lHint) = 0;
};
