#pragma once

#include <QByteArrayView>
#include <QString>

class TPictureBudget;
class TWPRTFTextPaint;

// Reads RTF into document, replacing its content, font list, palette, page and
// title, subject and comment.
//
// Returns false with *error set (when error is given) when the input does not
// start with "{\rtf", when groups nest deeper than RtfMaxGroupDepth, or when
// the input ends before the outermost group is closed (a truncated document);
// in every case the text read up to that point stays in the document. Bytes
// after the outermost group's closing brace are ignored. Empty input gives the
// empty document and true.
//
// Pictures are decoded within budget (a budget of their own when none is
// given); those it refuses are kept as their bytes and shown as empty frames.
bool ReadRtf(QByteArrayView rtf, TWPRTFTextPaint &document, QString *error = nullptr,
             TPictureBudget *budget = nullptr);

inline constexpr int RtfMaxGroupDepth = 256;
