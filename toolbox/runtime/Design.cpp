#include "Design.h"

#include <utility>

namespace toolbox {

namespace {

ElementDesign Make(ElementKind kind, const Text& name, Box box) {
    ElementDesign design;
    design.kind = kind;
    design.name = name;
    design.box = box;
    return design;
}

} // namespace

Text DefaultFontFace() {
    return "宋体";
}

ElementDesign LabelDesign(const Text& name, const Text& caption, Box box) {
    ElementDesign design = Make(ElementKind::Label, name, box);
    design.caption = caption;
    return design;
}

ElementDesign LabelDesign(const Text& name, const Text& caption, Box box, const FontDesign& font) {
    ElementDesign design = LabelDesign(name, caption, box);
    design.ownFont = true;
    design.font = font;
    return design;
}

ElementDesign ButtonDesign(const Text& name, const Text& caption, Box box, Handler onClick) {
    ElementDesign design = Make(ElementKind::Button, name, box);
    design.caption = caption;
    design.onClick = onClick;
    return design;
}

ElementDesign EditDesign(const Text& name, Box box) {
    return Make(ElementKind::Edit, name, box);
}

ElementDesign DropDownListDesign(const Text& name, Box box, std::vector<Text> items) {
    ElementDesign design = Make(ElementKind::DropDownList, name, box);
    design.items = std::move(items);
    return design;
}

ElementDesign ProgressBarDesign(const Text& name, Box box) {
    return Make(ElementKind::ProgressBar, name, box);
}

ElementDesign ColourPickerDesign(const Text& name, Box box, Handler onPicked, COLORREF colour,
                                 OpenQuery mayOpen) {
    ElementDesign design = Make(ElementKind::ColourPicker, name, box);
    design.onClick = onPicked;
    design.colour = colour;
    design.mayOpen = mayOpen;
    return design;
}

ElementDesign HyperlinkDesign(const Text& name, const Text& caption, Box box, const Text& address,
                              OpenQuery mayOpen) {
    ElementDesign design = Make(ElementKind::Hyperlink, name, box);
    design.caption = caption;
    design.address = address;
    design.mayOpen = mayOpen;
    return design;
}

ElementDesign OpenFileDialogDesign(const Text& name, const Text& filter, const Text& defaultExtension) {
    ElementDesign design = Make(ElementKind::OpenFileDialog, name, Box());
    design.filter = filter;
    design.defaultExtension = defaultExtension;
    return design;
}

ElementDesign UnzipUnitDesign(const Text& name, ProgressHandler onProgress) {
    ElementDesign design = Make(ElementKind::UnzipUnit, name, Box());
    design.onProgress = onProgress;
    return design;
}

} // namespace toolbox
