#pragma once

#include "KaloButton.h"

// The buttons of toolbars: the toolbar-button colours, corners in the toolbar back.
class TRELLIS_API KaloToolbarButton : public KaloButton {
public:
    KaloToolbarButton();
};
