#include "FloatingPalette.h"

#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

TFloatingPalette::TFloatingPalette(QWidget *parent)
    : QWidget(parent, Qt::Tool), m_library(new QLabel(this))
{
    setObjectName(QStringLiteral("FloatingPalette"));
    setWindowTitle(QStringLiteral("Icons"));
    m_library->setAlignment(Qt::AlignCenter);
    m_library->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_library);
    resize(150, 300);
}

void TFloatingPalette::ShowLibrary(const QString &fileName)
{
    m_libraryFileName = fileName;
    m_library->setText(QFileInfo(fileName).fileName());
}
