// Extension-library support: the resource chain and the common controls.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
