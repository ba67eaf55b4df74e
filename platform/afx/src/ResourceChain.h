// The process-wide list of CDynLinkLibrary objects, in the order they joined.
#pragma once

#include <afxwin.h>

#include <vector>

namespace ResourceChain {

void Add(CDynLinkLibrary* library);
void Remove(CDynLinkLibrary* library);
// A copy, so callers may delete entries while walking it.
std::vector<CDynLinkLibrary*> Libraries();

} // namespace ResourceChain
