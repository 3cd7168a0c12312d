#pragma once

#include "CCmdTarget.h"
#include "CView.h"

// A view that counts its updates.
struct CountingView : CView {
    void OnUpdate(CView*, long) override { ++updates; }
    int updates = 0;
};

// A menu item's state as an update handler leaves it; -1 where it was not set.
struct RecordingCmdUI : CCmdUI {
    void Enable(bool on) override { enabled = on ? 1 : 0; }
    void SetCheck(int check) override { checked = check; }
    int enabled = -1;
    int checked = -1;
};
