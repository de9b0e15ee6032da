#pragma once

#include "RtfDocument.h"

// The holder of one rich-text document (a day cell, a rich-text label).
// Setting RtfText copies the given document into the storage's own.
class TWPRtfStorage
{
public:
    TWPRTFTextPaint &RtfText() { return m_rtfText; }
    const TWPRTFTextPaint &RtfText() const { return m_rtfText; }
    void SetRtfText(const TWPRTFTextPaint &document) { m_rtfText.Assign(document); }

    bool IsEmpty() const { return m_rtfText.IsEmpty(); }
    void Assign(const TWPRtfStorage &source) { m_rtfText.Assign(source.m_rtfText); }

private:
    TWPRTFTextPaint m_rtfText;
};
