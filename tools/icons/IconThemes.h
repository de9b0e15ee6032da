#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The icon libraries the program ships, each a theme of emoji pictures.
struct TIconTheme
{
    QString FileName; // inside the output folder
    QStringList Emoji;
};

const QList<TIconTheme> &IconThemes();
