#pragma once

#include <QString>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

// What the help viewer accepts of a help file, whatever the file holds: the
// text layout costs twice as much for each level of nested tables and
// overflows the stack on thousands of nested elements, and an image or style
// sheet may name any file, /dev/zero included.

// Elements nest at most this deep, tables at most MaxHelpTableDepth. A page
// keeps at most MaxHelpTags tags that open anything, of any kind, pictures,
// links and stray end tags included (the help file has some 350), and the
// end tags of the elements kept; at most MaxHelpAnchors named anchors,
// MaxHelpPictures pictures and MaxHelpListItems list items, which cost the
// text layout most: the time it takes grows with the square of their number.
inline constexpr int MaxHelpDepth = 24;
inline constexpr int MaxHelpTableDepth = 3;
inline constexpr int MaxHelpTags = 4000;
inline constexpr int MaxHelpAnchors = 500;
inline constexpr int MaxHelpPictures = 100;
inline constexpr int MaxHelpListItems = 1000;
// Words longer than this are given a place to break.
inline constexpr int MaxHelpWordLength = 200;
// The largest picture or style sheet the help page loads.
inline constexpr qint64 MaxHelpResourceBytes = qint64(4) * 1024 * 1024;

// html with the tags of elements nested deeper than MaxHelpDepth, in tables
// deeper than MaxHelpTableDepth, and the tags past the limits above, left
// out (their text stays). A "<" that starts no tag ("<0>") is shown as
// written. A word longer than MaxHelpWordLength gets a zero-width space
// every so many letters.
QString BoundedHelpHtml(const QString &html);

// A picture or style sheet the help page names: the bytes of a plain file
// inside folder (links followed only where they stay inside) of at most
// MaxHelpResourceBytes; nothing for any other name.
QVariant LoadHelpResource(const QUrl &name, const QString &folder);

// The help page's document, in the viewer and for drawing the help without a
// window: pictures and style sheets come only through LoadHelpResource.
class THelpDocument : public QTextDocument
{
    Q_OBJECT

public:
    explicit THelpDocument(const QString &folder, QObject *parent = nullptr);

    // The help folder resources are loaded from.
    void SetFolder(const QString &folder) { m_folder = folder; }

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString m_folder;
};
