#pragma once

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
