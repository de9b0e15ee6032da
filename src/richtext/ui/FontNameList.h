#pragma once

#include <QComboBox>

// The editable list of font names on the rich-text toolbar. The installed
// font families are looked up only when the list is first opened, so that
// creating a toolbar does not enumerate every font on the system.
class TFontNameList : public QComboBox
{
    Q_OBJECT

public:
    explicit TFontNameList(QWidget *parent = nullptr);

    void showPopup() override;

private:
    bool m_filled = false;
};
