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
    ID_VIEW_GROUPDELAY = 32800,
    ID_VIEW_STEP = 32801,
    ID_VIEW_PROPERTIES = 32804,
    ID_FILE_EXPORT_COEF = 32810,
    ID_FILE_IMPORT_COEF = 32811,
    ID_FILE_EXPORT_DISPLAY = 32812,
    ID_TOOL_EQUIRIPPLE = 32830,
};

// Command identifiers of the workbench's frame: the graph's scale and sample rate, and the
// graph as a picture.
enum : int {
    ID_VIEW_SCALE = 32802,
    ID_VIEW_SAMPLERATE = 32803,
    ID_FILE_SAVE_IMAGE = 32813,
    ID_EDIT_COPY_IMAGE = 32814,
};

// Control identifiers of the design dialogs and the sample-rate dialog.
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
    IDC_SAMPLERATE = 1030,
    IDC_EDGE1 = 1101,  // the four band edges of the equiripple dialog, in increasing order
    IDC_EDGE2 = 1102,
    IDC_EDGE3 = 1103,
    IDC_EDGE4 = 1104,
    IDC_ESTIMATE = 1105,
};

// Filter types, as stored in the document and chosen by the dialog's radio buttons.
enum FilterType : int { LowPass = 0, HighPass = 1, BandPass = 2, BandElimination = 3 };

// What the views show, as stored in CFilterDoc::m_nDisplay.
enum DisplaySelection : int {
    DisplayImpulse = 0,
    DisplayAmplitude = 1,
    DisplayPhase = 2,
    DisplayReal = 3,
    DisplayImag = 4,
    DisplayGroupDelay = 5,
    DisplayStep = 6,
};

// How the document's coefficients were made. Not saved with the document: a loaded
// document, written data and a minimum-phase conversion give DesignNone, since nothing
// then says that the stored design values produced the coefficients.
enum DesignMethod : int { DesignNone = 0, DesignKaiser = 1, DesignMinimax = 2 };
