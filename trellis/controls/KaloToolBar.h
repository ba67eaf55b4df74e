#pragma once

#include "KaloPanel.h"

// The strip along the top of a KaloView, where a host puts its tool buttons.
class TRELLIS_API KaloToolBar : public KaloPanel {};
