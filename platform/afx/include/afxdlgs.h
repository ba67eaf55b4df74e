// Dialog classes of the layer.
#pragma once

#include <afxwin.h>
