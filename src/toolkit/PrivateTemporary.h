#pragma once

#include <QString>
#include <QTemporaryFile>

#include <memory>

// A temporary file for data handed on by name (to the picture library, or
// between steps of one command): created exclusively under a name no one
// can foresee, never through a link someone planted, in the user's temporary
// folder, readable and writable by the user only, and removed when the
// object goes, whatever happened. Null when it cannot be created. suffix
// (".BMP") ends the name.
std::unique_ptr<QTemporaryFile> OpenPrivateTemporary(const QString &suffix = {});
