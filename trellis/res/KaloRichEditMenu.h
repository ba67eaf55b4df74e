// Ids of the script editor's commands and of its menu resource (shared by the resource
// script and the code).
#pragma once

#define IDR_KALO_RICHEDIT_MENU 2640
#define ID_KALO_EDIT_CUT 32772
#define ID_KALO_EDIT_COPY 32773
#define ID_KALO_EDIT_PASTE 32774
#define ID_KALO_EDIT_UNDO 32775
#define ID_KALO_EDIT_REDO 32776
