// Root of everything that has a message map: finds the handler for a message along the
// chain of maps from the most derived class to this one.
#pragma once

#include "afx/AfxMsgMap.h"
#include "afx/CObject.h"

class AFX_API CCmdTarget : public CObject {
public:
    // Runs the first entry, most derived map first, that matches the message, notification
    // code and control ID; FALSE when there is none or the handler declined.
    BOOL DispatchToMap(UINT message, UINT code, UINT id, const AFX_MSG_ARGS& args, LRESULT* result);
    // A command (menu, accelerator or control notification) routed through the map.
    virtual BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
