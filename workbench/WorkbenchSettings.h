#pragma once

// The workbench's view options, kept in the program's settings (QSettings) and never in
// the document, whose format is fixed.

#include <QByteArray>

// The sampling frequency in Hz that frequencies and times are shown in; 0 for none
// (fractions of the sampling frequency and samples). Anything stored that is not a
// number in 0 .. kMaxSampleRate reads as 0.
double LoadSampleRate();
void SaveSampleRate(double sampleRate);
// Whether the graph shows its scale (grid, tick labels and the mouse readout); off unless
// the user turned it on.
bool LoadScaleVisible();
void SaveScaleVisible(bool visible);
// The main window's place and size and its splitter's position, as QWidget::saveGeometry
// and QSplitter::saveState give them; empty until the window was first closed.
struct CWindowLayout {
    QByteArray geometry;
    QByteArray splitter;
};
CWindowLayout LoadWindowLayout();
void SaveWindowLayout(const CWindowLayout& layout);
