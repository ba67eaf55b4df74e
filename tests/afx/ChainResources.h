#pragma once

#define IDD_CHAIN 100
#define IDB_CHAIN 200
#define IDC_CHAIN_EDIT 1001
