#pragma once

// Identifiers of the zero viewer's own resources and commands.
enum : int {
    IDD_ABOUTBOX = 100,
    IDR_MAINFRAME = 128,
    ID_VIEW_SHOWALL = 32771,
};
