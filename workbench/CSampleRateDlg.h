#pragma once

#include <QDialog>

class QLineEdit;

// "Sampling Frequency": the frequency in Hz in which the graph's scale, its readout and
// the Filter Properties show frequencies and times; empty for none (fractions of the
// sampling frequency). Opens with the focus in its edit. OK reads the edit with
// ReadSampleRate, refuses a typed 0 as well (only an empty field means none), and stays open
// on a refused value.
class CSampleRateDlg : public QDialog {
    Q_OBJECT
public:
    CSampleRateDlg(double sampleRate, QWidget* parent);

    // The value read by the last accepted OK, in Hz; 0 for none.
    double GetSampleRate() const { return m_dSampleRate; }
    QLineEdit* GetEdit() const { return m_pEdit; }

    void accept() override;

private:
    double m_dSampleRate;
    QLineEdit* m_pEdit;
};
