/* Resource numbers of the skin's embedded images (RCDATA), shared by C++ and the resource script. */
#pragma once

#define SKIN_ART_SHEET_PNG 3101
#define SKIN_ART_CONTROLS_BMP 3102
#define SKIN_ART_TAB_ICO 3103
