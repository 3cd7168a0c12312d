#pragma once

// Command identifiers of the filter document's commands.
enum : int {
    ID_TOOL_LENGTH = 32771,
    ID_TOOL_PASSBAND = 32772,
    ID_VIEW_IMPULSE = 32774,
    ID_VIEW_AMPLITUDE = 32775,
    ID_VIEW_PHASE = 32776,
    ID_VIEW_REAL = 32777,
    ID_VIEW_IMAG = 32778,
    ID_VIEW_DB = 32779,
    ID_VIEW_ZERO = 32780,
    ID_TOOL_MINPHASE = 32781,
    ID_FILE_SAVETEXT = 32783,
    ID_TOOL_EQUIRIPPLE = 32830,
};

// Control identifiers of the design dialogs.
enum : int {
    IDC_RIPPLE = 1000,
    IDC_ATTENUATION = 1001,
    IDC_TRANSITION = 1002,
    IDC_LOWPASS = 1004,
    IDC_HIGHPASS = 1005,
    IDC_BANDPASS = 1006,
    IDC_BANDELIM = 1007,
    IDC_LOWCUT = 1008,
    IDC_HIGHCUT = 1009,
    IDC_LENGTH = 1010,
    IDC_EDGE1 = 1101,  // the four band edges of the equiripple dialog, in increasing order
    IDC_EDGE2 = 1102,
    IDC_EDGE3 = 1103,
    IDC_EDGE4 = 1104,
    IDC_ESTIMATE = 1105,
};

// Filter types, as stored in the document and chosen by the dialog's radio buttons.
enum FilterType : int { LowPass = 0, HighPass = 1, BandPass = 2, BandElimination = 3 };

// What the views show, as stored in CFilterDoc::m_nDisplay.
enum DisplaySelection : int { DisplayImpulse = 0, DisplayAmplitude = 1, DisplayPhase = 2, DisplayReal = 3, DisplayImag = 4 };
