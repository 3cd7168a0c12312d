#pragma once

#include "MeasurementReport.h"

#include <QDialog>

class QLabel;

// "Filter Properties": the measurements of the current coefficients, one figure a row; a
// figure that misses what the design asked for shows in red. Read-only, closed with OK.
class CFilterPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CFilterPropertiesDlg(const std::vector<CReportLine>& lines, QWidget* parent);

    // The value label of the figure named name (as MeasurementReport names it), or null.
    QLabel* GetValue(const std::string& name) const;
};
