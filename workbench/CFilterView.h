#pragma once

#include "CView.h"
#include "GraphPainter.h"

#include <QWidget>

class CFilterDoc;
class CWinApp;
class QPrinter;

// The graph pane: the document's display array as one polyline over a blue pair of axes,
// with a red dotted marker line at the data index selected in the data form. It also
// prints and previews the same drawing. With the scale on, it draws a grid and tick labels
// behind the curve and reads out the data point under the mouse; with the scale off it
// handles no mouse input.
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
    // Draws the graph into painter, whose device is the pane (printing false) or a printer
    // page, where the drawing is 4 times the pane's pixel size.
    void OnDraw(QPainter& painter, bool printing) const;
    // What the graph shows now, for drawing it elsewhere with DrawGraph.
    CGraphPicture GetPicture() const;

    // Shows or hides the scale, and with it the mouse readout.
    void SetScaleVisible(bool visible);
    bool IsScaleVisible() const { return m_bScale; }
    // The sampling frequency of the scale and readout in Hz; 0 for none.
    void SetSampleRate(double sampleRate);

    int GetMarker() const { return m_nMarker; }
    QSize sizeHint() const override { return QSize(550, 270); }
    QSize minimumSizeHint() const override { return QSize(100, 60); }

signals:
    // The readout of the data point under the mouse; empty when there is none to show.
    void ReadoutChanged(const QString& text);
    // A click with the scale on selected data point index.
    void PointClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The index under device point p, or -1 when the scale is off or nothing is shown.
    int IndexAt(QPoint p) const;
    QRect MarkerRect(int index) const;
    // A printer resolution at which 4 times the pane fills the printable area.
    void FitPrinterResolution(QPrinter& printer) const;

    CFilterDoc& m_doc;
    CWinApp& m_app;
    CGraphScale m_scale;
    int m_nMarker = 0;
    bool m_bScale = false;
    double m_dSampleRate = 0.0;
};
