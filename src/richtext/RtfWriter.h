#pragma once

#include <QByteArray>

class QIODevice;
class TWPRTFTextPaint;

// The persisted form of a rich-text document: the document as RTF,
// byte for byte the form the engine writes. Characters that Windows-1252 cannot
// hold are written as \uN? escapes (N the UTF-16 code unit as a signed 16-bit
// number) so no text is lost; documents within Windows-1252 are unaffected.
QByteArray RtfBytes(const TWPRTFTextPaint &document);

// Writes RtfBytes(document) to device; false when the device accepts fewer
// bytes than given.
bool WriteRtf(const TWPRTFTextPaint &document, QIODevice &device);
