#pragma once

// Identifiers of the zero viewer's own resources and commands.
enum : int {
    IDD_ABOUTBOX = 100,
    IDR_MAINFRAME = 128,
    ID_VIEW_SHOWALL = 32771,
    ID_FILE_SAVE_IMAGE = 32800,
    ID_EDIT_COPY_IMAGE = 32801,
    ID_VIEW_SCALE = 32802,
};
