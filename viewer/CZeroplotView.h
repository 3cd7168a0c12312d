#pragma once

#include "CView.h"
#include "Printing.h"

#include <QWidget>

class CZeroplotDoc;
class QPainter;
class QPrinter;

// The zero viewer's only view: the z-plane of its document's zeros, drawn over the
// window's background and redrawn whole whenever the document changes or the size does.
// It prints the same drawing, one page, on the program's printer.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the printed page.
    CPagePainter PagePainter() const;

    CZeroplotDoc& m_doc;
    QPrinter& m_printer;
};
