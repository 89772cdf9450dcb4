// The system's menu metrics, read once and kept until the system's settings change:
// measurement and painting ask for them for every item.
#pragma once

namespace brocade {

long MenuHeightMetric();      // SM_CYMENU
long MenuCheckWidthMetric();  // SM_CXMENUCHECK
// The same for a window of another DPI than the system's (a monitor of its own); the system's
// DPI reads the kept values.
long MenuHeightMetric(int dpi);
long MenuCheckWidthMetric(int dpi);

// Called when the settings change (WM_SETTINGCHANGE): the next request reads them again.
void ForgetMenuMetrics();

}  // namespace brocade
