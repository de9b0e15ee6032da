#include "PrivateTemporary.h"

#include <QDir>

std::unique_ptr<QTemporaryFile> OpenPrivateTemporary(const QString &suffix)
{
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/datewright-XXXXXX") + suffix);
    file->setAutoRemove(true);
    if (!file->open())
        return nullptr;
    return file;
}
