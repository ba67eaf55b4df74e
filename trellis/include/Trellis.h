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
#include "KaloButton.h"
#include "KaloDialogButton.h"
#include "KaloToolbarButton.h"
#include "KaloBitmapButton.h"
#include "KaloCheckPainter.h"
#include "KaloCheckButton.h"
#include "KaloRadioButton.h"
#include "KaloCheckListBox.h"
#include "KaloDialog.h"
