#include "CalendarSetDialog.h"

#include "CalendarPage.h"
#include "FileNamePrompt.h"
#include "Messages.h"
#include "PagePictures.h"
#include "PictureOrderList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Where the fill list keeps a holiday set's name.
constexpr int SetNameRole = Qt::UserRole + 1;

QString PeriodWords(TSetUnit unit, bool twoWeeks)
{
    switch (unit) {
    case TSetUnit::Month:
        return TCalendarSetDialog::tr("pages, one a month, from");
    case TSetUnit::Week:
        return twoWeeks ? TCalendarSetDialog::tr("pages, one every two weeks, from")
                        : TCalendarSetDialog::tr("pages, one a week, from");
    case TSetUnit::Day:
        return TCalendarSetDialog::tr("pages, one a day, from");
    }
    return {};
}

} // namespace

TCalendarSetDialog::TCalendarSetDialog(const TCalendarPage &page, const QString &programFolder,
                                       const QString &action, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"CalendarSetDialog"_s);
    setWindowTitle(action == u"Print"_s ? tr("Print Calendar") : tr("Save As PDF File"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildPages(page);
    BuildFill(programFolder);
    BuildPictures();
    BuildPictureList();
    BuildButtons(action);
    PageSetToggled(false);
    FillFromChange();
    UpdatePageNames();
}

void TCalendarSetDialog::BuildPages(const TCalendarPage &page)
{
    const TSetUnit unit = SetUnitOfKind(page.LayoutKind());
    const bool twoWeeks = page.CalendarLayout() == lo2Week;
    m_unit = unit;
    m_twoWeeks = twoWeeks;
    ThisPage = new QRadioButton(tr("&This page"), this);
    ThisPage->setObjectName(u"ThisPage"_s);
    ThisPage->setChecked(true);
    PageSet = new QRadioButton(this);
    PageSet->setObjectName(u"PageSet"_s);
    PageCount = new QSpinBox(this);
    PageCount->setObjectName(u"PageCount"_s);
    PageCount->setRange(1, MaxSetPages);
    PageCount->setValue(PagesInYear(unit, twoWeeks));
    StartDate = new QDateEdit(TCalendarSet::PeriodOf(page), this);
    StartDate->setObjectName(u"StartDate"_s);
    StartDate->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    StartDate->setDisplayFormat(unit == TSetUnit::Month ? u"MMMM yyyy"_s : u"d MMMM yyyy"_s);
    StartDate->setCalendarPopup(true);

    auto *setRow = new QHBoxLayout;
    setRow->addWidget(PageSet);
    setRow->addWidget(PageCount);
    setRow->addWidget(new QLabel(PeriodWords(unit, twoWeeks), this));
    setRow->addWidget(StartDate);
    CoverPage = new QCheckBox(tr("Start with the co&ver page"), this);
    CoverPage->setObjectName(u"CoverPage"_s);
    CoverPage->setToolTip(tr("The cover is designed with File > Edit Cover Page"));
    auto *pages = qobject_cast<QVBoxLayout *>(layout());
    pages->addWidget(ThisPage);
    pages->addLayout(setRow);
    pages->addWidget(CoverPage);
    connect(PageSet, &QRadioButton::toggled, this, &TCalendarSetDialog::PageSetToggled);
    connect(CoverPage, &QCheckBox::toggled, this, &TCalendarSetDialog::CoverPageToggled);
}

void TCalendarSetDialog::BuildFill(const QString &programFolder)
{
    FillFrom = new QComboBox(this);
    FillFrom->setObjectName(u"FillFrom"_s);
    AddFill(tr("Nothing"), TFillKind::None);
    AddFill(tr("My recurring dates"), TFillKind::RecurringDates);
    const QList<THolidaySet> sets = HolidaySets(programFolder);
    for (const THolidaySet &set : sets)
        AddFill(tr("Holidays of %1").arg(set.Name), TFillKind::HolidaySet, set.Name);
    AddFill(tr("An iCalendar file"), TFillKind::ICalendar);
    m_preferredHolidays = PreferredHolidaySet(sets, QLocale::system());
    ICalendarFile = new QLineEdit(this);
    ICalendarFile->setObjectName(u"ICalendarFile"_s);
    BrowseButton = new QPushButton(tr("&Browse..."), this);
    BrowseButton->setObjectName(u"BrowseButton"_s);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(ICalendarFile, 1);
    fileRow->addWidget(BrowseButton);
    ShowAges = new QCheckBox(tr("Show the &age on birthdays and anniversaries"), this);
    ShowAges->setObjectName(u"ShowAges"_s);
    auto *form = new QFormLayout;
    form->addRow(tr("&Fill the days from"), FillFrom);
    form->addRow(QString(), fileRow);
    form->addRow(QString(), ShowAges);
    qobject_cast<QVBoxLayout *>(layout())->addLayout(form);
    connect(FillFrom, &QComboBox::activated, this, [this] { m_fillChosen = true; });
    connect(FillFrom, &QComboBox::currentIndexChanged, this, &TCalendarSetDialog::FillFromChange);
    connect(BrowseButton, &QPushButton::clicked, this, &TCalendarSetDialog::BrowseButtonClick);
}

void TCalendarSetDialog::BuildPictures()
{
    PicturesFolder = new QLineEdit(this);
    PicturesFolder->setObjectName(u"PicturesFolder"_s);
    PicturesFolder->setPlaceholderText(tr("The design's picture on every page"));
    PicturesButton = new QPushButton(tr("Br&owse..."), this);
    PicturesButton->setObjectName(u"PicturesButton"_s);
    auto *row = new QHBoxLayout;
    row->addWidget(PicturesFolder, 1);
    row->addWidget(PicturesButton);
    auto *form = new QFormLayout;
    // A label given with a row of widgets has no buddy of its own.
    auto *label = new QLabel(tr("P&ictures, one a page, from"), this);
    label->setBuddy(PicturesFolder);
    form->addRow(label, row);
    qobject_cast<QVBoxLayout *>(layout())->addLayout(form);
    connect(PicturesButton, &QPushButton::clicked, this, &TCalendarSetDialog::PicturesButtonClick);
    connect(PicturesFolder, &QLineEdit::editingFinished, this,
            &TCalendarSetDialog::ShowPictureSource);
}

void TCalendarSetDialog::BuildPictureList()
{
    PictureList = new TPictureOrderList(this);
    PictureList->setObjectName(u"PictureList"_s);
    PictureList->setFixedSize(4 * PictureList->gridSize().width() + 30,
                              2 * PictureList->gridSize().height() + 8);
    PictureList->setToolTip(tr("Drag a picture to its page, or move it with Ctrl+Left and "
                               "Ctrl+Right; Delete leaves it out"));
    const auto button = [this](const QString &text, const QString &name) {
        auto *made = new QPushButton(text, this);
        made->setObjectName(name);
        return made;
    };
    EarlierButton = button(tr("Move &Earlier"), u"EarlierButton"_s);
    LaterButton = button(tr("Move &Later"), u"LaterButton"_s);
    RemovePictureButton = button(tr("Re&move"), u"RemovePictureButton"_s);
    AddPicturesButton = button(tr("A&dd Pictures..."), u"AddPicturesButton"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(EarlierButton);
    buttons->addWidget(LaterButton);
    buttons->addStretch();
    buttons->addWidget(RemovePictureButton);
    buttons->addWidget(AddPicturesButton);
    auto *pictures = qobject_cast<QVBoxLayout *>(layout());
    pictures->addWidget(PictureList);
    pictures->addLayout(buttons);
    connect(EarlierButton, &QPushButton::clicked, this, [this] { PictureList->MoveCurrent(-1); });
    connect(LaterButton, &QPushButton::clicked, this, [this] { PictureList->MoveCurrent(1); });
    connect(RemovePictureButton, &QPushButton::clicked, PictureList,
            &TPictureOrderList::RemoveCurrent);
    connect(AddPicturesButton, &QPushButton::clicked, this,
            &TCalendarSetDialog::AddPicturesButtonClick);
    connect(StartDate, &QDateEdit::dateChanged, this, &TCalendarSetDialog::UpdatePageNames);
    connect(PageCount, &QSpinBox::valueChanged, this, &TCalendarSetDialog::UpdatePageNames);
    connect(CoverPage, &QCheckBox::toggled, this, &TCalendarSetDialog::UpdatePageNames);
}

void TCalendarSetDialog::BuildButtons(const QString &action)
{
    OkButton = new QPushButton(action == u"Print"_s ? tr("&Print...") : tr("&Save..."), this);
    OkButton->setObjectName(u"OkButton"_s);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("&Cancel"), this);
    CancelButton->setObjectName(u"CancelButton"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    qobject_cast<QVBoxLayout *>(layout())->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &TCalendarSetDialog::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TCalendarSetDialog::AddFill(const QString &text, TFillKind kind, const QString &setName)
{
    FillFrom->addItem(text, int(kind));
    FillFrom->setItemData(FillFrom->count() - 1, setName, SetNameRole);
}

TSetChoice TCalendarSetDialog::Choice() const
{
    TSetChoice choice;
    choice.WholeSet = PageSet->isChecked();
    choice.Start = StartDate->date();
    choice.Count = PageCount->value();
    choice.Fill = TFillKind(FillFrom->currentData().toInt());
    if (choice.Fill == TFillKind::HolidaySet)
        choice.FillName = FillFrom->currentData(SetNameRole).toString();
    else if (choice.Fill == TFillKind::ICalendar)
        choice.FillName = ICalendarFile->text().trimmed();
    choice.ShowAges = choice.Fill == TFillKind::ICalendar && ShowAges->isChecked();
    if (choice.WholeSet) {
        choice.Pictures = PicturesFolder->text().trimmed();
        const QStringList shown = PictureList->Pictures();
        if (choice.Pictures == m_shownSource && shown != m_sourcePictures)
            choice.PictureOrder = shown;
    }
    choice.Cover = CoverPage->isChecked();
    return choice;
}

void TCalendarSetDialog::SetChoice(const TSetChoice &choice)
{
    if (choice.Start.isValid())
        StartDate->setDate(choice.Start);
    PageCount->setValue(choice.Count);
    if (choice.Fill == TFillKind::ICalendar)
        ICalendarFile->setText(choice.FillName);
    ShowAges->setChecked(choice.ShowAges);
    PicturesFolder->setText(choice.Pictures);
    ShowPictureSource();
    if (!choice.PictureOrder.isEmpty())
        PictureList->SetPictures(choice.PictureOrder);
    {
        // The count already holds the cover.
        const QSignalBlocker quiet(CoverPage);
        CoverPage->setChecked(choice.Cover);
    }
    ChooseFill(choice.Fill, choice.FillName);
    m_fillChosen = true;
    (choice.WholeSet ? PageSet : ThisPage)->setChecked(true);
}

void TCalendarSetDialog::ChooseFill(TFillKind kind, const QString &name)
{
    for (int index = 0; index < FillFrom->count(); ++index) {
        if (TFillKind(FillFrom->itemData(index).toInt()) != kind)
            continue;
        if (kind == TFillKind::HolidaySet && FillFrom->itemData(index, SetNameRole) != name)
            continue;
        FillFrom->setCurrentIndex(index);
        return;
    }
}

void TCalendarSetDialog::SetCoverAvailable(bool available)
{
    m_coverAvailable = available;
    PageSetToggled(PageSet->isChecked());
}

void TCalendarSetDialog::CoverPageToggled(bool checked)
{
    // The cover is a page of its own: the periods stay as they were.
    PageCount->setValue(PageCount->value() + (checked ? 1 : -1));
}

void TCalendarSetDialog::PageSetToggled(bool checked)
{
    CoverPage->setEnabled(checked && m_coverAvailable);
    PageCount->setEnabled(checked);
    StartDate->setEnabled(checked);
    PicturesFolder->setEnabled(checked);
    PicturesButton->setEnabled(checked);
    for (QWidget *widget : std::initializer_list<QWidget *>{PictureList, EarlierButton, LaterButton,
                                                            RemovePictureButton, AddPicturesButton})
        widget->setEnabled(checked);
    // A set is mostly wanted with the year's holidays in it.
    if (checked && !m_fillChosen && Choice().Fill == TFillKind::None)
        ChooseFill(TFillKind::HolidaySet, m_preferredHolidays);
}

void TCalendarSetDialog::FillFromChange()
{
    const bool file = Choice().Fill == TFillKind::ICalendar;
    ICalendarFile->setEnabled(file);
    BrowseButton->setEnabled(file);
    ShowAges->setEnabled(file);
}

void TCalendarSetDialog::BrowseButtonClick()
{
    QFileDialog dialog(this, tr("Fill The Days From"), ICalendarFile->text(),
                       tr("iCalendar File (*.ics);;All Files (*)"));
    dialog.setObjectName(u"FillFromDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString fileName = AskFileName(dialog);
    if (!fileName.isEmpty())
        ICalendarFile->setText(fileName);
}

void TCalendarSetDialog::PicturesButtonClick()
{
    QFileDialog dialog(this, tr("Pictures, One a Page"), PicturesFolder->text());
    dialog.setObjectName(u"PicturesDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString folder = AskFileName(dialog);
    if (folder.isEmpty())
        return;
    PicturesFolder->setText(folder);
    ShowPictureSource();
}

void TCalendarSetDialog::AddPicturesButtonClick()
{
    QStringList patterns;
    for (const QString &extension : PictureFileExtensions())
        patterns.append(u"*."_s + extension);
    const QString folder = QFileInfo(PicturesFolder->text().trimmed()).isDir()
                               ? PicturesFolder->text().trimmed()
                               : QString();
    QFileDialog dialog(this, tr("Add Pictures"), folder,
                       tr("Pictures (%1);;All Files (*)").arg(patterns.join(u' ')));
    dialog.setObjectName(u"AddPicturesDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    PictureList->InsertPictures(AskFileNames(dialog));
}

void TCalendarSetDialog::ShowPictureSource()
{
    const QString source = PicturesFolder->text().trimmed();
    if (source == m_shownSource)
        return;
    m_shownSource = source;
    m_sourcePictures = source.isEmpty() ? QStringList() : ReadPagePictures(source).Files;
    PictureList->SetPictures(m_sourcePictures);
}

void TCalendarSetDialog::UpdatePageNames()
{
    PictureList->SetPageNames(SetPageNames(StartDate->date(), PageCount->value(),
                                           CoverPage->isChecked(), m_unit, m_twoWeeks, locale()));
}

void TCalendarSetDialog::OkButtonClick()
{
    const TSetChoice choice = Choice();
    if (choice.Fill == TFillKind::ICalendar && choice.FillName.isEmpty()) {
        ShowInformation(tr("Choose the iCalendar file to fill the days from."));
        return;
    }
    if (choice.WholeSet && PictureList->count() == 0 && !m_sourcePictures.isEmpty() &&
        choice.Pictures == m_shownSource) {
        ShowInformation(tr("No pictures are left for the pages: add pictures, or clear the "
                           "folder to show the design's picture."));
        return;
    }
    if (!choice.Pictures.isEmpty() || !choice.PictureOrder.isEmpty()) {
        if (const QString error = PicturesOfChoice(choice).Error; !error.isEmpty()) {
            ShowInformation(tr("The pictures cannot be taken: %1").arg(error));
            return;
        }
    }
    accept();
}
