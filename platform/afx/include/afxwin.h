// The window, device-context and GDI classes of the layer.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "afx/AfxApi.h"
#include "afx/CObject.h"
#include "afx/CSize.h"
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "afx/CGdiObject.h"
#include "afx/CPen.h"
#include "afx/CBrush.h"
#include "afx/CFont.h"
#include "afx/CBitmap.h"
#include "afx/CRgn.h"
#include "afx/CPalette.h"
#include "afx/CDC.h"
#include "afx/CPaintDC.h"
#include "afx/CClientDC.h"
#include "afx/CWindowDC.h"
#include "afx/AfxMsgMap.h"
#include "afx/CCmdTarget.h"
#include "afx/CWnd.h"
#include "afx/CScrollBar.h"
#include "afx/CButton.h"
#include "afx/CEdit.h"
#include "afx/CStatic.h"
#include "afx/CListBox.h"
#include "afx/CCheckListBox.h"
#include "afx/CComboBox.h"
#include "afx/CDialog.h"
#include "afx/AfxGlobals.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CWinApp.h"
