#include "WorkbenchSettings.h"

#include "DialogData.h"

#include <QSettings>
#include <cmath>

namespace {
const char* const kSampleRateKey = "View/SampleRate";
const char* const kScaleKey = "View/Scale";
const char* const kGeometryKey = "View/WindowGeometry";
const char* const kSplitterKey = "View/Splitter";
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

CWindowLayout LoadWindowLayout()
{
    QSettings settings;
    return {settings.value(kGeometryKey).toByteArray(), settings.value(kSplitterKey).toByteArray()};
}

void SaveWindowLayout(const CWindowLayout& layout)
{
    QSettings settings;
    settings.setValue(kGeometryKey, layout.geometry);
    settings.setValue(kSplitterKey, layout.splitter);
}
