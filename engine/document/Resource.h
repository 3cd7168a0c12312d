#pragma once

// The identifiers of the workbench's resources: commands here, and with them the
// dialogs' controls, the filter types and the display selections.
#include "ControlIds.h"
#include "DisplaySelection.h"
#include "FilterTypes.h"

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
    ID_VIEW_REQUIREMENTS = 32840,
};

// Command identifiers of the workbench's frame: the graph's scale and sample rate, and the
// graph as a picture.
enum : int {
    ID_VIEW_SCALE = 32802,
    ID_VIEW_SAMPLERATE = 32803,
    ID_FILE_SAVE_IMAGE = 32813,
    ID_EDIT_COPY_IMAGE = 32814,
};
