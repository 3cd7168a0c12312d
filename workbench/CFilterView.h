#pragma once

#include "CView.h"
#include "GraphMapping.h"

#include <QWidget>

class CFilterDoc;
class CWinApp;

// The graph pane: the document's display array as one polyline over a blue pair of axes,
// with a red dotted marker line at the data index selected in the data form. It also
// prints and previews the same drawing.
class CFilterView : public QWidget, public CView {
    Q_OBJECT
public:
    // Adds itself to doc's views; app supplies the printer.
    CFilterView(CFilterDoc& doc, CWinApp& app, QWidget* parent = nullptr);
    ~CFilterView() override;

    // Takes the scale from the display array (if any), puts the marker at 0 and repaints.
    void OnUpdate(CView* pSender, long lHint) override;
    // Print, Print Direct and Print Preview.
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    // Moves the marker to data index (not checked against the array's size) and repaints
    // only the old and the new marker line, before returning. Nothing happens while the
    // document has no display array.
    void OnMarkIndex(int index);
    // Draws axes, curve and marker into painter, whose device is the pane or a picture
    // (printing false; the drawing fills the device as it fills the pane) or a printer
    // page, where the drawing is 4 times the pane's pixel size.
    void OnDraw(QPainter& painter, bool printing) const;

    int GetMarker() const { return m_nMarker; }
    QSize sizeHint() const override { return QSize(550, 270); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CGraphMapping Mapping(const QSize& area, bool printing) const;
    QRect MarkerRect(int index) const;

    CFilterDoc& m_doc;
    CWinApp& m_app;
    CGraphScale m_scale;
    int m_nMarker = 0;
};
