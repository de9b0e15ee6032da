#include "LabelTypes.h"

QStringList BorderStyleNames()
{
    return {QStringLiteral("bsNone"), QStringLiteral("bsSingle")};
}

QStringList AlignmentNames()
{
    return {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify"),
            QStringLiteral("taCenter")};
}

QStringList ShadowDirectionNames()
{
    return {QStringLiteral("sdNone"),      QStringLiteral("sdRight"),    QStringLiteral("sdLeft"),
            QStringLiteral("sdDownRight"), QStringLiteral("sdDownLeft"), QStringLiteral("sdDown")};
}

QStringList HighlightDirectionNames()
{
    return {QStringLiteral("hdNone"),    QStringLiteral("hdright"),  QStringLiteral("hdLeft"),
            QStringLiteral("hdUpRight"), QStringLiteral("hdUpLeft"), QStringLiteral("hdUp")};
}

QPoint ShadowOffset(TShadowDirection direction, int depth)
{
    switch (direction) {
    case sdRight:
        return {depth, 0};
    case sdLeft:
        return {-depth, 0};
    case sdDownRight:
        return {depth, depth};
    case sdDownLeft:
        return {-depth, depth};
    case sdDown:
        return {0, depth};
    case sdNone:
        break;
    }
    return {0, 0};
}

QPoint HighlightOffset(THighlightDirection direction, int depth)
{
    switch (direction) {
    case hdright:
        return {depth, 0};
    case hdLeft:
        return {-depth, 0};
    case hdUpRight:
        return {depth, -depth};
    case hdUpLeft:
        return {-depth, -depth};
    case hdUp:
        return {0, -depth};
    case hdNone:
        break;
    }
    return {0, 0};
}
