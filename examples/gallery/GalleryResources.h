#pragma once

// The gallery's own dialog template: a KaloDialog created from a template, with a check box
// that the dialog takes over as a themed control.
#define IDD_GALLERY_DIALOG 300
#define IDC_GALLERY_REMEMBER 301
#define IDC_GALLERY_NOTE 302
