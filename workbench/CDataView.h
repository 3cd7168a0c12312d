#pragma once

#include "CRealArray.h"
#include "CView.h"

#include <QWidget>
#include <memory>

class CFilterDoc;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The data form below the graph: steps through its own copy of the document's display
// array one index at a time, edits single values, writes the array back as the filter's
// coefficients (only while the impulse response is shown), or reloads it. Every change of
// the index marks that point in the graph (the document's first view).
class CDataView : public QWidget, public CView {
    Q_OBJECT
public:
    // Adds itself to doc's views, after the graph view.
    explicit CDataView(CFilterDoc& doc, QWidget* parent = nullptr);
    ~CDataView() override;

    // Refills from the document: a copy of the display array (256 zeros when there is
    // none, or it is empty), index 0, Write Data enabled only for the impulse response.
    void OnUpdate(CView* pSender, long lHint) override;
    QSize sizeHint() const override;

    // The scroll bar's arrows: up moves to the next index, down to the previous one, both
    // after committing the value shown; at either end the index stays.
    void OnLineUp();
    void OnLineDown();
    // Commits the value shown, then moves to the next index unless at the last one.
    void OnShowNext();
    // Discards every edit not written: refills from the document.
    void OnReload();
    // Installs the form's array as the document's coefficients (values typed and not yet
    // committed are not included).
    void OnWriteData();
    // The X-Axis text changed: shows the value at the typed index, clamped to the array.
    void OnChangeXAxis();
    // Selects index as typing it into the X-Axis box does.
    void SelectIndex(int index);
    // The height of the controls: the form never shrinks away.
    QSize minimumSizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Moves the members into the boxes (bSave false), or reads the boxes into the members
    // in order Y, X (bSave true); a box that does not parse is reported and stops the
    // reading. False on such a failure.
    bool UpdateData(bool bSave);
    void WriteBox(QLineEdit* box, const QString& text);
    void ShowCurrentValue();
    void Commit();
    void NotifyGraph();
    void PlaceControls();
    int LastIndex() const { return m_pData->GetSize() - 1; }

    CFilterDoc& m_doc;
    double m_dYValue = 0.0;
    int m_nXIndex = 0;
    std::unique_ptr<CRealArray> m_pData;
    bool m_bExchanging = false;
    QLineEdit* m_pXAxis;
    QLineEdit* m_pYAxis;
    QPushButton* m_pShowNext;
    QPushButton* m_pWriteData;
    QPushButton* m_pReload;
    QScrollBar* m_pXScroll;
    QSize m_size;  // of the form's template, with the widened boxes
};
