#pragma once

#include "SetChoice.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TCalendarPage;
class TPictureOrderList;

// Chooses what "Save As PDF File" and "Print Calendar" make of the page: the
// page alone, or a set of pages from a start, and where the days are filled
// from. Choosing the set fills the days from holidays too, unless a source
// was chosen already, so a year with holidays takes one click.
class TCalendarSetDialog : public QDialog
{
    Q_OBJECT

public:
    // For page, offering the holiday sets shipped in programFolder; action
    // names the button that goes on ("Save", "Print").
    TCalendarSetDialog(const TCalendarPage &page, const QString &programFolder,
                       const QString &action, QWidget *parent = nullptr);

    QRadioButton *ThisPage, *PageSet;
    QSpinBox *PageCount;
    QDateEdit *StartDate;
    QComboBox *FillFrom;
    QLineEdit *ICalendarFile;
    QCheckBox *ShowAges;
    // The set starts with the document's cover; offered when it has one.
    QCheckBox *CoverPage;
    QLineEdit *PicturesFolder;
    // The pages' pictures in page order, which the user arranges.
    TPictureOrderList *PictureList;
    QPushButton *EarlierButton, *LaterButton, *RemovePictureButton, *AddPicturesButton;
    QPushButton *BrowseButton, *PicturesButton, *OkButton, *CancelButton;

    TSetChoice Choice() const;
    // Shows an earlier choice again; its start only when it has one.
    void SetChoice(const TSetChoice &choice);
    // Selects the fill of kind (and name, for a holiday set).
    void ChooseFill(TFillKind kind, const QString &name = {});
    // Whether the document has a cover design to start the set with.
    void SetCoverAvailable(bool available);

    void PageSetToggled(bool checked);
    void CoverPageToggled(bool checked);
    void FillFromChange();
    void BrowseButtonClick();
    void PicturesButtonClick();
    void AddPicturesButtonClick();
    void OkButtonClick();
    // Shows the pictures of the folder or list named, in its order, unless
    // they are shown already.
    void ShowPictureSource();

private:
    void BuildPages(const TCalendarPage &page);
    void BuildFill(const QString &programFolder);
    void BuildPictures();
    void BuildPictureList();
    void UpdatePageNames();
    void BuildButtons(const QString &action);
    void AddFill(const QString &text, TFillKind kind, const QString &setName = {});

    QString m_preferredHolidays;
    bool m_fillChosen = false;
    bool m_coverAvailable = false;
    TSetUnit m_unit = TSetUnit::Month;
    bool m_twoWeeks = false;
    // The source the picture list was filled from, and its pictures in its
    // own order; an order that differs from them is the user's.
    QString m_shownSource;
    QStringList m_sourcePictures;
};
