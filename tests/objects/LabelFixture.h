#pragma once

#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "LumBasePanel.h"
#include "MasterRichText.h"
#include "PaxRichBaseLabel.h"
#include "TestObject.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// A design panel holding a master rich-text renderer, as the page does.
class TLabelPanel : public TLumBasePanel, public TMasterRichTextHost
{
public:
    TLabelPanel() { SetPanelSize(800, 600); }

    TMasterRichText *FindMasterRichText(const QString &name) override
    {
        return name.compare(Master.Name(), Qt::CaseInsensitive) == 0 ? &Master : nullptr;
    }

    TMasterRichText Master;
};

// A panel with a recording view, a count of the changes it reports, and
// label prompts the test answers; they are taken away again afterwards.
class LabelTest : public ::testing::Test
{
protected:
    LabelTest()
    {
        Panel.LabelChangedEvent = [this] { ++Changes; };
    }
    ~LabelTest() override { SetLabelPrompts({}); }

    // A finished text label of the given caption and font size, placed.
    TPaxLabel &PlaceLabel(int width, int height, const QString &caption = QStringLiteral("Text"),
                          int size = 10)
    {
        auto label = std::make_unique<TPaxLabel>();
        label->SetCaption(caption);
        TFontDesc font = label->Font();
        font.Name = QStringLiteral("Arial");
        font.Size = size;
        label->SetFont(font);
        label->FinishLoad();
        label->SetObjectBounds(10, 10, width, height);
        return static_cast<TPaxLabel &>(Panel.Objects().Insert(std::move(label)));
    }

    TPaxRichBaseLabel &PlaceRichLabel(int width, int height)
    {
        auto label = std::make_unique<TPaxRichBaseLabel>();
        label->FinishLoad();
        label->SetObjectBounds(10, 10, width, height);
        return static_cast<TPaxRichBaseLabel &>(Panel.Objects().Insert(std::move(label)));
    }

    // The object's look on white, at its size.
    static QImage Painted(const TLumGraphicControl &object)
    {
        QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        object.Paint(painter);
        return image;
    }

    void RunMenu(TLumGraphicControl &object, const QString &caption)
    {
        const TDesignMenu menu = object.Menu();
        const TDesignMenuItem *item = FindMenuItem(menu, caption);
        ASSERT_NE(item, nullptr) << caption.toStdString();
        item->Command();
    }

    // Opens the submenu item of object's menu and chooses choice in it
    // (nothing when choice is empty); returns the submenu.
    TDesignMenu RunSubmenu(TLumGraphicControl &object, const QString &item, const QString &choice)
    {
        View.MenuChoice = choice;
        RunMenu(object, item);
        View.MenuChoice.clear();
        return View.Menus.isEmpty() ? TDesignMenu() : View.Menus.last();
    }

    TLabelPanel Panel;
    TRecordingView View{Panel};
    int Changes = 0;
};

// Whether some pixel of image inside r has the colour rgb.
inline bool HasColour(const QImage &image, const QRect &r, QRgb rgb)
{
    const QRect inside = r & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb)
                return true;
    return false;
}
