#pragma once

// Filter types, as stored in the document and chosen by the dialog's radio buttons.
enum FilterType : int { LowPass = 0, HighPass = 1, BandPass = 2, BandElimination = 3 };

// How the document's coefficients were made. Not saved with the document: a loaded
// document, written data and a minimum-phase conversion give DesignNone, since nothing
// then says that the stored design values produced the coefficients.
enum DesignMethod : int { DesignNone = 0, DesignKaiser = 1, DesignMinimax = 2 };

// The designs only the equiripple method makes, numbered after the four FilterTypes (and
// so after the equiripple dialog's first four radio buttons). The document file keeps one
// of the four FilterTypes; these live in the equiripple request.
enum EquirippleType : int { Multiband = 4, Differentiator = 5, Hilbert = 6, HalfBand = 7 };
