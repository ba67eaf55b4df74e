#pragma once

#include "KaloTextModel.h"

class KaloRichEdit;

// The text model of a KaloRichEdit window: positions, selection and clipboard of the rich
// edit itself. Selection changes made for a command run with the editor's redraw suspended.
class TRELLIS_API KaloRichEditModel : public KaloTextModel {
public:
    explicit KaloRichEditModel(KaloRichEdit& editor) : m_editor(editor) {}

    long Length() const override;
    CHARRANGE Selection() const override;
    void Select(long start, long end) override;
    void ReplaceSelection(const char* text) override;
    void ReadRange(long start, long end, CoreString& out) const override;
    long LineCount() const override;
    long LineStart(long line) const override;
    long LineFromPosition(long position) const override;
    bool Overtype() const override;
    bool ReadOnly() const override;
    void SetModified(bool modified) override;
    void Paste() override;
    void Cut() override;
    void Copy() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    void LinesChanged(long first, long last) override;
    // A backward EM_FINDTEXTEX: the object model's text search is not available here.
    long FindBackward(const char* text, long from) const override;

private:
    KaloRichEdit& m_editor;
};
