#include <afxwin.h>

CObject::~CObject() = default;
