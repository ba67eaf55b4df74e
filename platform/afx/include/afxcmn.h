// The common-control classes of the layer.
#pragma once

#include <afxwin.h>

#include "afx/CImageList.h"
#include "afx/CSliderCtrl.h"
#include "afx/CSpinButtonCtrl.h"
#include "afx/CProgressCtrl.h"
#include "afx/CListCtrl.h"
#include "afx/CTreeCtrl.h"
#include "afx/CRichEditCtrl.h"
#include "afx/CToolBarCtrl.h"
#include "afx/CReBarCtrl.h"
#include "afx/CComboBoxEx.h"
