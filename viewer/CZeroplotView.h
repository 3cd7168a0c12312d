#pragma once

#include "CView.h"
#include "Printing.h"

#include <QWidget>

class CZeroplotDoc;
class QPainter;
class QPrinter;

// The zero viewer's only view: the z-plane of its document's zeros, drawn over the
// window's background and redrawn whole whenever the document changes or the size does.
// It prints the same drawing, one page, on the program's printer. With the scale on it
// draws the scale behind the plane (ZPlaneScale), reads out the zero under the mouse, and
// a click chooses a zero, which is ringed in red with its partners (conjugate and mirror)
// in green; with the scale off it handles no mouse input.
class CZeroplotView : public QWidget, public CView {
    Q_OBJECT
public:
    // Shows doc and prints on printer; both must outlive the view. Registers itself with doc.
    CZeroplotView(CZeroplotDoc& doc, QPrinter& printer, QWidget* parent = nullptr);
    ~CZeroplotView() override;

    CZeroplotDoc& GetDocument() const { return m_doc; }
    // Draws the z-plane with painter; printing: onto paper or a print preview page.
    void OnDraw(QPainter& painter, bool printing) const;
    // Any change of the document redraws the whole view.
    void OnUpdate(CView* pSender, long lHint) override;
    // Answers the print commands (Print, Print Direct, Print Preview) and the picture
    // commands (Save Image, Copy Image; available while the document holds zeros).
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // The print dialog, then one page. A printer that cannot be opened throws
    // std::runtime_error (the frame shows it).
    void OnFilePrint();
    // One page on the printer as it is set up, without a dialog; throws as OnFilePrint.
    void OnFilePrintDirect();
    // The print preview window of the page.
    void OnFilePrintPreview();
    // Asks for a size and a file and writes the view's picture there as PNG or SVG.
    void OnFileSaveImage();
    // Puts the view's picture, at the view's size, on the clipboard.
    void OnEditCopyImage();
    // The z-plane drawn to fill painter's device, with markers filled white as on paper.
    void DrawPicture(QPainter& painter) const;

    // Shows or hides the scale, the readout and the chosen zero.
    void SetScaleVisible(bool visible);
    bool IsScaleVisible() const { return m_bScale; }
    // The sampling frequency of the readout in Hz; 0 for fractions of it.
    void SetSampleRate(double sampleRate) { m_dSampleRate = sampleRate; }
    // The zero a click chose, or -1.
    int GetChosenZero() const { return m_nChosen; }
    // The zero whose marker lies within kPickPixels of device point p (the nearest), or -1.
    int ZeroAt(QPointF p) const;

    static constexpr double kPickPixels = 6.0;

signals:
    // The readout of the zero under the mouse, else of the chosen zero; empty for neither.
    void ReadoutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Draws the printed page.
    CPagePainter PagePainter() const;
    // The readout of the chosen zero, or empty.
    QString ChosenReadout() const;
    // Rings the chosen zero and its partners.
    void DrawChoice(QPainter& painter) const;

    CZeroplotDoc& m_doc;
    QPrinter& m_printer;
    bool m_bScale = false;
    double m_dSampleRate = 0.0;
    int m_nChosen = -1;
};
