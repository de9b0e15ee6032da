#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The program's settings file: an initialisation file of "[Section]" lines
// followed by "Key=Value" lines, in Windows-1252 with "\r\n" line ends.
//
// Section and key names are compared without regard to letter case; writing a
// key that exists replaces its value in place, a new key goes to the end of
// its section and a new section to the end of the file, so the order of the
// file is kept. Lines that are no entries (comments, blank lines, text before
// the first section) are kept as they stand.
//
// The file is read whole when the object is made and written whole, through
// a save file, by UpdateFile; an object is meant to live for one load or save
// of the program's settings, so nothing is cached between them. A missing
// file reads as empty. Whatever the file holds, reading it neither fails nor
// takes more than a bounded amount of memory: a file, a line and the number
// of sections and lines are cut at fixed limits, and ReadError tells why.
class TIniFile
{
public:
    // Values read are cut to this many characters.
    static constexpr qsizetype MaxValueLength = 1023;
    // Limits on what is read from a file; what lies beyond is dropped.
    static constexpr qsizetype MaxFileBytes = qsizetype(1) << 20;
    static constexpr qsizetype MaxLineLength = 4096;
    static constexpr qsizetype MaxSections = 1000;
    static constexpr qsizetype MaxLines = 20000;

    // An empty file not tied to a file name: for building or parsing text.
    TIniFile() = default;
    // Reads fileName; a missing file gives an empty one.
    explicit TIniFile(const QString &fileName);

    const QString &FileName() const { return m_fileName; }
    // Why the file was not read whole (it could not be opened, or a limit cut
    // it); empty when it was read whole or does not exist.
    const QString &ReadError() const { return m_readError; }

    // Replaces the content by the file text bytes.
    void LoadFromBytes(QByteArrayView bytes);
    // The file text: Windows-1252, every line ended by "\r\n".
    QByteArray ToBytes() const;
    // Writes the file text to FileName through a save file, so a failed write
    // leaves the old file; the reason when the write failed. A file that
    // already holds the text is left alone, which spares the disk a write and
    // a flush whenever settings are saved unchanged. A file that was not read
    // whole (see ReadError) is never written: what lay past the limits would
    // be lost.
    std::optional<QString> UpdateFile() const;

    // The value, cut to MaxValueLength characters, or def when the key is
    // missing.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // A decimal integer, or a hexadecimal one after "0x" or "$", each with an
    // optional sign; def when the key is missing or its value is no 32-bit
    // number. Hexadecimal values up to 0xFFFFFFFF wrap to negative integers.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // An integer, non-zero being true; def when ReadInteger would give it.
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList Sections() const;
    // The keys of section in file order.
    QStringList ReadSection(const QString &section) const;
    // The values of every entry of section in file order, each cut like
    // ReadString's; the keys are not looked at.
    QStringList ReadSectionValues(const QString &section) const;

    // Section and key names are the program's own and hold no line breaks,
    // "=" or brackets. Line breaks inside a value are written as spaces, so
    // no value can break the file's structure.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    // "1" for true, "0" for false.
    void WriteBool(const QString &section, const QString &key, bool value);
    // Removes the section with all its lines.
    void EraseSection(const QString &section);

private:
    // One line of a section: an entry when it holds "=", else kept verbatim.
    struct TLine
    {
        QString Key;
        QString Value;
        QString Text;
        bool IsEntry = false;
    };
    struct TSection
    {
        QString Name;
        std::vector<TLine> Lines;
    };

    // Adds one line of the file to the section being read (index, or -1
    // before the first section), which a section line changes.
    void ParseLine(const QString &line, qsizetype &section);
    void NoteReadError(const QString &what);
    const TSection *FindSection(QStringView name) const;
    TSection *FindSection(QStringView name);
    TSection &AddSection(const QString &name);
    void IndexSections();
    const TLine *FindEntry(const QString &section, const QString &key) const;

    QString m_fileName;
    QString m_readError;
    // The file text as last read whole or written, null when unknown, and
    // the file's size and modification time then.
    mutable QByteArray m_fileText;
    mutable QDateTime m_fileTime;
    QStringList m_preamble;
    std::vector<TSection> m_sections;
    // Each section's place in m_sections by its case-folded name.
    QHash<QString, size_t> m_sectionIndex;
};
