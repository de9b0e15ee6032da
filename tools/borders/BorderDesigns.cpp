#include "BorderDesigns.h"

#include "SaveFiles.h"

#include <QDir>

namespace {

QString WriteFile(const QString &fileName, const QByteArray &bytes)
{
    const std::optional<QString> failure = SaveBytesFile(bytes, fileName);
    return failure ? QStringLiteral("Cannot write %1: %2.").arg(fileName, *failure) : QString();
}

} // namespace

std::vector<TBorderDesign> BorderDesigns()
{
    return {{QStringLiteral("Classic"), DrawClassicBorder},
            {QStringLiteral("Garland"), DrawGarlandBorder},
            {QStringLiteral("GreekKey"), DrawGreekKeyBorder},
            {QStringLiteral("Holly"), DrawHollyBorder},
            {QStringLiteral("Stars"), DrawStarsBorder}};
}

QSizeF BorderFrameInches(TBorderOrientation orientation)
{
    return orientation == TBorderOrientation::Portrait ? QSizeF(7.5, 10) : QSizeF(10, 7.5);
}

QByteArray BorderPicture(const TBorderDesign &design, TBorderOrientation orientation)
{
    TBorderCanvas canvas(BorderFrameInches(orientation));
    design.Draw(canvas);
    return canvas.Placeable();
}

QString WriteBorderFiles(const QString &folder, const QStringList &names)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot make the folder %1.").arg(folder);
    const std::vector<TBorderDesign> designs = BorderDesigns();
    for (const QString &name : names) {
        const bool known = std::any_of(designs.begin(), designs.end(),
                                       [&](const TBorderDesign &d) { return d.Name == name; });
        if (!known)
            return QStringLiteral("There is no border named %1.").arg(name);
    }
    for (const TBorderDesign &design : designs) {
        if (!names.isEmpty() && !names.contains(design.Name))
            continue;
        const QString stem = QDir(folder).filePath(design.Name);
        QString error = WriteFile(stem + QStringLiteral(".wpo"),
                                  BorderPicture(design, TBorderOrientation::Portrait));
        if (error.isEmpty())
            error = WriteFile(stem + QStringLiteral(".wls"),
                              BorderPicture(design, TBorderOrientation::Landscape));
        if (!error.isEmpty())
            return error;
    }
    return {};
}
