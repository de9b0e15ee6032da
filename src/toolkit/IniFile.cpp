#include "IniFile.h"

#include "SaveFiles.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Where the lines being read go before the first section, and after a section
// beyond the limit.
constexpr qsizetype preambleSection = -1;
constexpr qsizetype droppedSection = -2;

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Spaces and tabs around a name or value do not count.
QStringView TrimBlanks(QStringView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int digit = base;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

// A decimal or "0x"/"$" hexadecimal 32-bit integer with an optional sign.
std::optional<int> ParseInteger(QStringView text)
{
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.sliced(2);
    } else if (text.startsWith(u'$')) {
        base = 16;
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const qint64 limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    qint64 value = 0;
    for (const QChar c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    // Hexadecimal gives the 32 bits as they stand, so $FFFFFFFF is -1.
    const quint32 bits = quint32(value);
    return int(negative ? 0u - bits : bits);
}

QString WithoutLineBreaks(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

TIniFile::TIniFile(const QString &fileName) : m_fileName(fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        NoteReadError(file.errorString());
        return;
    }
    const QByteArray text = file.read(MaxFileBytes + 1);
    LoadFromBytes(text);
    if (m_readError.isEmpty()) {
        m_fileText = text;
        m_fileTime = QFileInfo(file).lastModified();
    }
}

void TIniFile::NoteReadError(const QString &what)
{
    if (m_readError.isEmpty())
        m_readError = what;
}

void TIniFile::LoadFromBytes(QByteArrayView bytes)
{
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_readError.clear();
    if (bytes.size() > MaxFileBytes) {
        NoteReadError(QCoreApplication::translate("TIniFile", "the file is longer than %1 bytes").arg(MaxFileBytes));
        bytes = bytes.first(MaxFileBytes);
    }
    qsizetype section = preambleSection;
    qsizetype lines = 0;
    for (qsizetype start = 0; start < bytes.size(); ++lines) {
        if (lines == MaxLines) {
            NoteReadError(QCoreApplication::translate("TIniFile", "the file has more than %1 lines").arg(MaxLines));
            return;
        }
        const auto lineEnd = std::find(bytes.begin() + start, bytes.end(), '\n');
        const qsizetype end = lineEnd - bytes.begin();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > MaxLineLength) {
            NoteReadError(QCoreApplication::translate("TIniFile", "a line is longer than %1 characters").arg(MaxLineLength));
            line = line.first(MaxLineLength);
        }
        ParseLine(FromWindows1252(line), section);
        start = end + 1;
    }
}

void TIniFile::ParseLine(const QString &line, qsizetype &section)
{
    const QStringView text = TrimBlanks(line);
    if (text.startsWith(u'[')) {
        QStringView name = text.sliced(1);
        const qsizetype close = name.indexOf(u']');
        if (close >= 0)
            name.truncate(close);
        name = TrimBlanks(name);
        if (const TSection *known = FindSection(name)) {
            section = known - m_sections.data();
        } else if (qsizetype(m_sections.size()) < MaxSections) {
            section = qsizetype(m_sections.size());
            AddSection(name.toString());
        } else {
            NoteReadError(QCoreApplication::translate("TIniFile", "the file has more than %1 sections").arg(MaxSections));
            section = droppedSection;
        }
        return;
    }
    if (section == droppedSection)
        return;
    if (section == preambleSection) {
        m_preamble.append(line);
        return;
    }
    TLine parsed;
    const qsizetype equals = text.indexOf(u'=');
    if (equals >= 0 && !text.startsWith(u';')) {
        parsed.IsEntry = true;
        parsed.Key = TrimBlanks(text.first(equals)).toString();
        parsed.Value = TrimBlanks(text.sliced(equals + 1)).toString();
    } else {
        parsed.Text = line;
    }
    m_sections[size_t(section)].Lines.push_back(std::move(parsed));
}

QByteArray TIniFile::ToBytes() const
{
    static const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (const QString &line : m_preamble)
        text += line + lineEnd;
    for (const TSection &section : m_sections) {
        text += u'[' + section.Name + u']' + lineEnd;
        for (const TLine &line : section.Lines)
            text += (line.IsEntry ? line.Key + u'=' + line.Value : line.Text) + lineEnd;
    }
    return ToWindows1252(text);
}

std::optional<QString> TIniFile::UpdateFile() const
{
    // What was cut at a limit would be lost for good.
    if (!m_readError.isEmpty())
        return QCoreApplication::translate("TIniFile",
                                           "it could not be read whole (%1), so it is left as it is")
            .arg(m_readError);
    const QByteArray bytes = ToBytes();
    const QFileInfo onDisk(m_fileName);
    if (!m_fileText.isNull() && bytes == m_fileText && onDisk.exists() &&
        onDisk.size() == m_fileText.size() && onDisk.lastModified() == m_fileTime)
        return std::nullopt;
    // Never through a link: one planted where the file goes would have the
    // settings written over whatever it leads to.
    if (const std::optional<QString> failure = ReplaceFileBytes(bytes, m_fileName))
        return failure;
    m_fileText = bytes;
    m_fileTime = QFileInfo(m_fileName).lastModified();
    return std::nullopt;
}

const TIniFile::TSection *TIniFile::FindSection(QStringView name) const
{
    const auto found = m_sectionIndex.constFind(name.toString().toCaseFolded());
    return found == m_sectionIndex.constEnd() ? nullptr : &m_sections[*found];
}

TIniFile::TSection *TIniFile::FindSection(QStringView name)
{
    return const_cast<TSection *>(std::as_const(*this).FindSection(name));
}

TIniFile::TSection &TIniFile::AddSection(const QString &name)
{
    m_sectionIndex.insert(name.toCaseFolded(), m_sections.size());
    return m_sections.emplace_back(TSection{name, {}});
}

void TIniFile::IndexSections()
{
    m_sectionIndex.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex.insert(m_sections[i].Name.toCaseFolded(), i);
}

const TIniFile::TLine *TIniFile::FindEntry(const QString &section, const QString &key) const
{
    const TSection *found = FindSection(section);
    if (!found)
        return nullptr;
    const auto entry = std::ranges::find_if(
        found->Lines, [&](const TLine &line) { return line.IsEntry && SameName(line.Key, key); });
    return entry == found->Lines.end() ? nullptr : &*entry;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const TLine *entry = FindEntry(section, key);
    return entry ? entry->Value.left(MaxValueLength) : def;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    const TLine *entry = FindEntry(section, key);
    if (!entry)
        return def;
    return ParseInteger(QStringView(entry->Value).left(MaxValueLength)).value_or(def);
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return FindEntry(section, key) != nullptr;
}

QStringList TIniFile::Sections() const
{
    QStringList names;
    for (const TSection &section : m_sections)
        names.append(section.Name);
    return names;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    if (const TSection *found = FindSection(section)) {
        for (const TLine &line : found->Lines) {
            if (line.IsEntry)
                keys.append(line.Key);
        }
    }
    return keys;
}

QStringList TIniFile::ReadSectionValues(const QString &section) const
{
    QStringList values;
    if (const TSection *found = FindSection(section)) {
        for (const TLine &line : found->Lines) {
            if (line.IsEntry)
                values.append(line.Value.left(MaxValueLength));
        }
    }
    return values;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    TSection *target = FindSection(section);
    if (!target)
        target = &AddSection(section);
    std::vector<TLine> &lines = target->Lines;
    const auto entry = std::ranges::find_if(
        lines, [&](const TLine &line) { return line.IsEntry && SameName(line.Key, key); });
    if (entry != lines.end()) {
        entry->Value = WithoutLineBreaks(value);
        return;
    }
    // After the section's last entry, so blank lines that close it stay last.
    const auto lastEntry = std::ranges::find_if(lines.rbegin(), lines.rend(), &TLine::IsEntry);
    lines.insert(lastEntry.base(), TLine{key, WithoutLineBreaks(value), {}, true});
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString &section)
{
    if (const TSection *found = FindSection(section)) {
        m_sections.erase(m_sections.begin() + (found - m_sections.data()));
        IndexSections();
    }
}
