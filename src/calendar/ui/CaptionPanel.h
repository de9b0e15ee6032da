#pragma once

#include <QColor>
#include <QLabel>

// A small framed panel with a centred caption that reports clicks with its
// tag, and whose face colour can be set.
class TCaptionPanel : public QLabel
{
    Q_OBJECT

public:
    TCaptionPanel(const QString &caption, int tag, QWidget *parent = nullptr);

    int Tag() const { return m_tag; }
    QColor FaceColor() const;
    void SetFaceColor(const QColor &color);

signals:
    void Clicked(int tag);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_tag;
};
