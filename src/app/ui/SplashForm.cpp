#include "SplashForm.h"

#include "ProgramArt.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int logoSide = 96;

QPixmap LogoPixmap(qreal ratio)
{
    QPixmap pixmap(QSize(logoSide, logoSide) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawProgramPicture(painter, QRectF(0, 0, logoSide, logoSide));
    return pixmap;
}

QLabel *TextLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    return label;
}

} // namespace

TSplashform::TSplashform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"Splashform"_s);
    setWindowTitle(tr("About Datewright"));
    QFont font(u"Arial"_s);
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(434, 236);

    Logo = new QLabel(this);
    Logo->setObjectName(u"Logo"_s);
    Logo->setPixmap(LogoPixmap(devicePixelRatioF()));
    Logo->setGeometry(12, 16, logoSide, logoSide);

    QFont titleFont(u"Arial"_s);
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    QLabel *title = TextLabel(this, u"ProductName"_s, u"Datewright"_s, QRect(128, 16, 290, 32));
    title->setFont(titleFont);

    VersionLabel =
        TextLabel(this, u"VersionLabel"_s, tr("Version %1").arg(QStringLiteral(DW_VERSION)),
                  QRect(128, 54, 290, 16));
    // The second label's stored caption is replaced when the box is made.
    BuildLabel = TextLabel(this, u"BuildLabel"_s, QString(), QRect(128, 72, 290, 16));
    BuildLabel->setText(tr("%1-bit version").arg(QSysInfo::WordSize));
    AboutLine1 = TextLabel(this, u"AboutLine1"_s,
                           tr("Calendar pages designed, filled and printed your way."),
                           QRect(128, 104, 290, 16));
    AboutLine2 = TextLabel(this, u"AboutLine2"_s,
                           tr("Made by the Datewright developers - https://datewright.org/"),
                           QRect(128, 122, 290, 16));

    // Where a language's lines are longer the box grows to show them whole.
    const int grow = std::max({AboutLine1->sizeHint().width(), AboutLine2->sizeHint().width(),
                               AboutLine1->width()}) -
                     AboutLine1->width();
    if (grow > 0) {
        setFixedSize(width() + grow, height());
        for (QLabel *line : {AboutLine1, AboutLine2})
            line->resize(line->width() + grow, line->height());
    }

    auto *bevel = new QFrame(this);
    bevel->setObjectName(u"Bevel1"_s);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(12, 160, 410 + grow, 4);

    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(u"OkButton"_s);
    OkButton->setDefault(true);
    OkButton->setGeometry(180 + grow / 2, 186, 75, 25);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}
