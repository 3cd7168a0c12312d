#pragma once

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
    IDC_SHORTEST = 1106,  // the design dialogs' button that finds the shortest length
    IDC_WEIGHTS = 1107,  // the equiripple dialog's band weights
    IDC_BANDS = 1108,  // the equiripple dialog's bands of a multiband filter or differentiator
};
