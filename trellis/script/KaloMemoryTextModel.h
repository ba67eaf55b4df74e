#pragma once

#include "KaloTextModel.h"

#include <string>

// A text model in memory that counts positions as the rich edit does. The editing commands
// run on it without windows; its clipboard is its own.
class TRELLIS_API KaloMemoryTextModel : public KaloTextModel {
public:
    explicit KaloMemoryTextModel(const char* text = "");

    // The bytes with CR line breaks.
    const std::string& Text() const { return m_text; }
    void SetText(const char* text);
    void SetOvertype(bool on) { m_overtype = on; }
    void SetReadOnly(bool on) { m_readOnly = on; }
    bool Modified() const { return m_modified; }
    std::string& Clipboard() { return m_clipboard; }

    long Length() const override;
    CHARRANGE Selection() const override { return m_selection; }
    void Select(long start, long end) override;
    void ReplaceSelection(const char* text) override;
    void ReadRange(long start, long end, CoreString& out) const override;
    long LineCount() const override;
    long LineStart(long line) const override;
    long LineFromPosition(long position) const override;
    bool Overtype() const override { return m_overtype; }
    bool ReadOnly() const override { return m_readOnly; }
    void SetModified(bool modified) override { m_modified = modified; }
    void Paste() override;
    void Cut() override;
    void Copy() override;

private:
    long ByteOffset(long position) const;

    std::string m_text;
    std::string m_clipboard;
    CHARRANGE m_selection{0, 0};
    bool m_overtype = false;
    bool m_readOnly = false;
    bool m_modified = false;
};

// Line breaks as the rich edit stores them: CR LF and lone LF become CR.
TRELLIS_API std::string KaloCrLineBreaks(const char* text);
