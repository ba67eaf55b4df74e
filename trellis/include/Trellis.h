#pragma once

// Everything a host needs from Trellis: the theme, the drawing helpers and the controls.
#include "TrellisExport.h"

#include "KaloColorIndexList.h"
#include "KaloInterfaceData.h"
#include "KaloTheme.h"
#include "KaloDefaults.h"
#include "DBLBufferCDC.h"
#include "KaloBitmapHelpers.h"
#include "KaloControl.h"
#include "KaloImageList.h"
#include "KaloRedrawGuard.h"
#include "KaloHoverTracker.h"
#include "KaloRichEdit.h"
