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
#include "KaloEditFilter.h"
#include "KaloEdit.h"
#include "KaloRangeGeometry.h"
#include "KaloProgressBar.h"
#include "KaloSpinButton.h"
#include "KaloColorModel.h"
#include "KaloColorBoxImage.h"
#include "KaloColorPalette.h"
#include "KaloAngleMath.h"
#include "KaloPlotScale.h"
#include "KaloFunctionDrawer.h"
