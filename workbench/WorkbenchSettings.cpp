#include "WorkbenchSettings.h"

#include "DialogData.h"

#include <QSettings>
#include <cmath>

namespace {
const char* const kSampleRateKey = "View/SampleRate";
const char* const kScaleKey = "View/Scale";
}  // namespace

double LoadSampleRate()
{
    bool ok = false;
    const double rate = QSettings().value(kSampleRateKey, 0.0).toDouble(&ok);
    return ok && IsSampleRate(rate) ? rate : 0.0;
}

void SaveSampleRate(double sampleRate) { QSettings().setValue(kSampleRateKey, sampleRate); }

bool LoadScaleVisible() { return QSettings().value(kScaleKey, false).toBool(); }

void SaveScaleVisible(bool visible) { QSettings().setValue(kScaleKey, visible); }
