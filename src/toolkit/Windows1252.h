#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The 8-bit text of the program's files: Windows-1252.
//
// Decoding maps every byte to one character; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, so any byte string survives a round trip.
// Encoding writes "?" for each character (code point) the code page cannot
// hold.
QString FromWindows1252(QByteArrayView bytes);
QByteArray ToWindows1252(const QString &text);

// True when ToWindows1252 would keep every character of text.
bool FitsWindows1252(const QString &text);

// text with every surrogate that is not half of a pair replaced by U+FFFD,
// the replacement character: such text has no encoding, so each writer
// would spell it its own way.
QString WithoutLoneSurrogates(QString text);
