#pragma once

// The state of one command's menu item or button, as an update handler sets it.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;
    virtual void Enable(bool on = true) = 0;
    virtual void SetCheck(int check = 1) = 0;
};

// Something that handles commands. The frame offers a command to the active view, the
// document, itself and the application, in that order, until one answers true.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // ui null: run command id. Else: set its state through ui. True when handled here;
    // a command that has a handler and no update rule stays enabled.
    virtual bool OnCmdMsg(int id, CCmdUI* ui)
    {
        (void)id;
        (void)ui;
        return false;
    }
};
