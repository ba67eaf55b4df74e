#pragma once

#include "KaloPanel.h"

// The column down the left of a KaloView, beside its managed window.
class TRELLIS_API KaloLeftBar : public KaloPanel {};
