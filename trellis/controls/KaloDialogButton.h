#pragma once

#include "KaloButton.h"

// The OK, Apply and Cancel buttons of the themed dialog: the dialog-button colours, corners
// in the dark dialog back.
class TRELLIS_API KaloDialogButton : public KaloButton {
public:
    KaloDialogButton();
};
