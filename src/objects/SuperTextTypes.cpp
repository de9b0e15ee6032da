#include "SuperTextTypes.h"

QStringList ShadowOrientationNames()
{
    return ShadowDirectionNames();
}

QStringList SurfaceTypeNames()
{
    return {QStringLiteral("stNormal"), QStringLiteral("stBrushTransparent"),
            QStringLiteral("stBrushImage"), QStringLiteral("stGradientFill")};
}

QStringList FillDirectionNames()
{
    return {QStringLiteral("gdUp"), QStringLiteral("gdDown"), QStringLiteral("gdLeft"),
            QStringLiteral("gdRight")};
}

QStringList PenStyleNames()
{
    return {QStringLiteral("psSolid"),      QStringLiteral("psDash"),
            QStringLiteral("psDot"),        QStringLiteral("psDashDot"),
            QStringLiteral("psDashDotDot"), QStringLiteral("psClear"),
            QStringLiteral("psInsideFrame")};
}
