#pragma once

#define IDD_CHAIN 100
#define IDB_CHAIN 200
#define IDC_CHAIN_EDIT 1001
// An id that both the library and a test program use for unrelated dialogs.
#define IDD_SHARED_ID 129
