#include "ZeroplotSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>

namespace zeroplot {

namespace {
const char* const kScaleKey = "View/Scale";
const char* const kWorkbenchSampleRateKey = "View/SampleRate";
constexpr double kMaxSampleRate = 1e12;
}  // namespace

bool LoadScaleVisible() { return QSettings().value(kScaleKey, false).toBool(); }

void SaveScaleVisible(bool visible) { QSettings().setValue(kScaleKey, visible); }

double WorkbenchSampleRate()
{
    const QSettings workbench(QCoreApplication::organizationName(), kWorkbenchSettingsName);
    bool ok = false;
    const double rate = workbench.value(kWorkbenchSampleRateKey, 0.0).toDouble(&ok);
    return ok && rate > 0.0 && rate <= kMaxSampleRate ? rate : 0.0;
}

}  // namespace zeroplot
