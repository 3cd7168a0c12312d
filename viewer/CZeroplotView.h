#pragma once

#include "CView.h"

#include <QWidget>

class CZeroplotDoc;
class QPainter;

// The zero viewer's only view: the z-plane of its document's zeros, drawn over the
// window's background and redrawn whole whenever the document changes or the size does.
class CZeroplotView : public QWidget, public CView {
    Q_OBJECT
public:
    // Shows doc, which must outlive the view; registers itself with doc.
    explicit CZeroplotView(CZeroplotDoc& doc, QWidget* parent = nullptr);
    ~CZeroplotView() override;

    CZeroplotDoc& GetDocument() const { return m_doc; }
    // Draws the z-plane with painter; printing: onto paper or a print preview page.
    void OnDraw(QPainter& painter, bool printing) const;
    // Any change of the document redraws the whole view.
    void OnUpdate(CView* pSender, long lHint) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CZeroplotDoc& m_doc;
};
