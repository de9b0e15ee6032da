#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TFileBytes Failure(const QString &why)
{
    return {{}, why};
}

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

constexpr double BytesPerMegabyte = 1024.0 * 1024.0;

} // namespace

TFileBytes ReadRegularFile(const QString &fileName, qint64 maxBytes, const QString &kind)
{
    // Without O_NONBLOCK, opening a pipe waits for a writer that never comes.
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(SystemError());
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure(file.errorString());
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return Failure(SystemError());
    if (!S_ISREG(status.st_mode))
        return Failure(QCoreApplication::translate(
            "RegularFile", "it is not a file but a folder, a device or a pipe"));
    if (status.st_size > maxBytes)
        return Failure(QCoreApplication::translate(
                           "RegularFile", "at %1 MB it is larger than any %2 can be (%3 MB)")
                           .arg(double(status.st_size) / BytesPerMegabyte, 0, 'f', 1)
                           .arg(kind)
                           .arg(double(maxBytes) / BytesPerMegabyte, 0, 'f', 0));
    // One byte more than it holds tells a file that grows as it is read.
    TFileBytes read{file.read(status.st_size + 1), {}};
    if (file.error() != QFileDevice::NoError)
        return Failure(file.errorString());
    if (read.Bytes.size() > status.st_size)
        return Failure(QCoreApplication::translate("RegularFile", "it grew while it was read"));
    return read;
}
