#pragma once

#include <Trellis.h>

// The gallery's KaloDialog: made from the gallery's template, OK, Apply and Cancel shown,
// its check box taken over as a KaloCheckButton and its panel fitted around the template.
class DemoDialog : public KaloDialog {
public:
    explicit DemoDialog(CWnd* parent);
    BOOL OnInitDialog() override;

private:
    KaloCheckButton m_remember;
};
