#pragma once

#include "CalendarAttributes.h"
#include "CalendarLayout.h"
#include "CalendarTypes.h"
#include "Color.h"
#include "Component.h"
#include "FontDesc.h"
#include "LumBasePanel.h"
#include "PageObserver.h"
#include "RtfStorage.h"
#include "StreamReader.h"
#include "WmfPicture.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// The calendar page: layout, paper, margins, month, fonts, colours, borders,
// names, border picture and the 42 day cells with their documents. It needs
// no window: views (TCalendarPanel32) observe it through TPageObserver.
// Setters do nothing for an unchanged value; otherwise they store it,
// re-lay out the page and tell the observers what changed. Values outside an
// enumeration, a month outside 1 to 12 and other impossible values are
// ignored.
class TCalendarPage : public TLumBasePanel
{
public:
    using TClickedInCellEvent = std::function<void(const TRect &rTotal, const TRect &rFree,
                                                   int iCell, int iDay, TWPRtfStorage &rtfstorage)>;
    using TNotifyEvent = std::function<void()>;
    // Makes the objects of a creation tool: Create builds the object (the
    // page's Font and the like at hand), AfterPlace finishes it once it is
    // on the page (opens its dialog, say) and tells whether it stays: false
    // when the user cancelled it. A tool without Create creates nothing.
    struct TObjectCreator
    {
        std::function<std::unique_ptr<TLumGraphicControl>(TCalendarPage &page)> Create;
        std::function<bool(TLumGraphicControl &object)> AfterPlace;
    };

    TCalendarPage();

    // Views told of every change; an observer removes itself before it goes.
    void AddObserver(TPageObserver &Observer);
    void RemoveObserver(TPageObserver &Observer);

    // Published properties, in the order they are declared and stored.
    TCalendarOrientation CalendarOrientation() const { return m_calendarOrientation; }
    void SetCalendarOrientation(TCalendarOrientation Value);
    TCalendarLayout CalendarLayout() const { return m_calendarLayout; }
    void SetCalendarLayout(TCalendarLayout Value);
    TCalendarLineLayout CalendarLineLayout() const { return m_calendarLineLayout; }
    void SetCalendarLineLayout(TCalendarLineLayout Value);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_miniCalendarLineLayout; }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout Value);
    TClickedInCellEvent ClickedInCellEvent;
    TColor TitleBGColor() const { return m_titleBGColor; }
    void SetTitleBGColor(TColor Value) { SetRepaintedColor(m_titleBGColor, Value); }
    const TFontDesc &TitleFont() const { return m_titleFont; }
    void SetTitleFont(const TFontDesc &Value) { SetFont(m_titleFont, Value); }
    const TFontDesc &HeadersFont() const { return m_headersFont; }
    void SetHeadersFont(const TFontDesc &Value) { SetFont(m_headersFont, Value); }
    const TFontDesc &CellFont() const { return m_cellFont; }
    void SetCellFont(const TFontDesc &Value) { SetFont(m_cellFont, Value); }
    float LeftMarginInch() const { return m_leftMarginInch; }
    void SetLeftMarginInch(float Value) { SetMargin(m_leftMarginInch, Value); }
    float TopMarginInch() const { return m_topMarginInch; }
    void SetTopMarginInch(float Value) { SetMargin(m_topMarginInch, Value); }
    float RightMarginInch() const { return m_rightMarginInch; }
    void SetRightMarginInch(float Value) { SetMargin(m_rightMarginInch, Value); }
    float BottomMarginInch() const { return m_bottomMarginInch; }
    void SetBottomMarginInch(float Value) { SetMargin(m_bottomMarginInch, Value); }
    TCalBorderStyle MiniCalBorder() const { return m_miniCalBorder; }
    void SetMiniCalBorder(TCalBorderStyle Value) { SetBorder(m_miniCalBorder, Value); }
    TCalBorderStyle MiniHeadersBorder() const { return m_miniHeadersBorder; }
    void SetMiniHeadersBorder(TCalBorderStyle Value) { SetBorder(m_miniHeadersBorder, Value); }
    TCalBorderStyle MiniCellBorder() const { return m_miniCellBorder; }
    void SetMiniCellBorder(TCalBorderStyle Value) { SetBorder(m_miniCellBorder, Value); }
    bool MiniShowYear() const { return m_miniShowYear; }
    void SetMiniShowYear(bool Value) { SetRepaintedFlag(m_miniShowYear, Value); }
    TColor MiniHeadersBGColor() const { return m_miniHeadersBGColor; }
    void SetMiniHeadersBGColor(TColor Value) { SetRepaintedColor(m_miniHeadersBGColor, Value); }
    TColor MiniCalBGColor() const { return m_miniCalBGColor; }
    void SetMiniCalBGColor(TColor Value) { SetRepaintedColor(m_miniCalBGColor, Value); }
    const TFontDesc &MiniTitleFont() const { return m_miniTitleFont; }
    void SetMiniTitleFont(const TFontDesc &Value) { SetFont(m_miniTitleFont, Value); }
    const TFontDesc &MiniHeadersFont() const { return m_miniHeadersFont; }
    void SetMiniHeadersFont(const TFontDesc &Value) { SetFont(m_miniHeadersFont, Value); }
    const TFontDesc &MiniCellFont() const { return m_miniCellFont; }
    void SetMiniCellFont(const TFontDesc &Value) { SetFont(m_miniCellFont, Value); }
    int MainCalDay() const { return m_mainCalDay; }
    void SetMainCalDay(int Value);
    int MainCalMonth() const { return m_mainCalMonth; }
    void SetMainCalMonth(int Value);
    int MainCalYear() const { return m_mainCalYear; }
    void SetMainCalYear(int Value);
    int StartOfWeek() const { return m_startOfWeek; }
    void SetStartOfWeek(int Value);
    TCalBorderStyle CalendarBorder() const { return m_calendarBorder; }
    void SetCalendarBorder(TCalBorderStyle Value) { SetBorder(m_calendarBorder, Value); }
    bool TitleShowYear() const { return m_titleShowYear; }
    void SetTitleShowYear(bool Value) { SetRepaintedFlag(m_titleShowYear, Value); }
    TCalBorderStyle HeadersBorder() const { return m_headersBorder; }
    void SetHeadersBorder(TCalBorderStyle Value) { SetBorder(m_headersBorder, Value); }
    TCalHeadersStyle HeadersStyle() const { return m_headersStyle; }
    void SetHeadersStyle(TCalHeadersStyle Value) { SetHeadersStyleOf(m_headersStyle, Value); }
    TCalHeadersStyle MiniHeadersStyle() const { return m_miniHeadersStyle; }
    void SetMiniHeadersStyle(TCalHeadersStyle Value)
    {
        SetHeadersStyleOf(m_miniHeadersStyle, Value);
    }
    TColor HeadersBGColor() const { return m_headersBGColor; }
    void SetHeadersBGColor(TColor Value) { SetRepaintedColor(m_headersBGColor, Value); }
    TCalendarNumberPosition NumberPosition() const { return m_numberPosition; }
    void SetNumberPosition(TCalendarNumberPosition Value);
    TCalBorderStyle CellBorder() const { return m_cellBorder; }
    void SetCellBorder(TCalBorderStyle Value) { SetBorder(m_cellBorder, Value); }
    // The week numbers the month grids, minis and planners show: none, ISO
    // 8601 or US. Kept apart from the week start: a row takes the week that
    // holds most of its days.
    TWeekNumbers WeekNumbers() const { return m_weekNumbers; }
    void SetWeekNumbers(TWeekNumbers Value);
    const QString &UserTitle() const { return m_userTitle; }
    void SetUserTitle(const QString &Value);
    TNotifyEvent OnDblClick;
    TNotifyEvent OnClick;
    TNotifyEvent OnClickedHeader;
    TNotifyEvent OnClickedDaysArea;
    // A border picture by name, without folder or extension: "Borders/" in the
    // program folder holds name.wpo for portrait and name.wls for landscape.
    // A name without a file keeps the previous border; a file that cannot be
    // read clears it. Always re-lays out and repaints.
    const QString &WMFBorderFile() const { return m_wmfBorderFile; }
    void SetWMFBorderFile(const QString &Value);

    // Paper: 0 Letter, 1 A4.
    int PaperSize() const { return m_paperSize; }
    void SetPaperSize(int Value);
    // The time of the first row of a day planner.
    QTime PlannerStartTime() const { return m_plannerStartTime; }
    void SetPlannerStartTime(QTime Value);

    // Day cells 1 to 42 and their documents.
    void GetCellText(int Index, TWPRtfStorage &Document) const;
    void SetCellText(int Index, const TWPRtfStorage &Source);
    // Lets edit change the document of cell Index, 1 to 42, where it is,
    // without copying it out and back, then repaints. The change is not
    // recorded for undo: a cell's document keeps no history.
    void EditCellText(int Index, const std::function<void(TWPRTFTextPaint &)> &edit);
    const TWPRtfStorage &BlankCell() const { return m_blankCell; }
    // The document of cell Index, 1 to 42, for drawing it; null outside.
    const TWPRTFTextPaint *CellDocument(int Index) const;
    int CellDay(int Index) const;
    int CellOfDay(int Day) const;
    int CellAt(int X, int Y) const;
    bool PointInCell(int X, int Y) const;
    void ClickCellAt(int X, int Y);
    void RaiseCellEvent(int Index);
    void MoveToPreviousCell(int Index);
    void MoveToNextCell(int Index);
    void ClearCells();
    bool HasCellContent() const;

    // Month names 1 to 12 and day names 1 to 7 (Sunday first). Outside the
    // range the getters give back the caller's default and the setters
    // store nothing.
    QString GetMonthName(int I, const QString &Default = {}) const;
    QString GetDayName(int I, const QString &Default = {}) const;
    void SetMonthName(int I, const QString &S);
    void SetDayName(int I, const QString &S);

    // 0 month grid, 1 minis only, 2 week, 3 two weeks, 4 ten hours, 5 fifteen.
    int LayoutKind() const;
    // Whether the day cells hold the days of the date shown: not on a page of
    // minis only.
    bool CellsFollowDate() const;

    // The style: the fields of the style block (CalendarPageStyleFields.h)
    // and the dates, week start, planner time, title and border picture.
    void AssignStyle(const TCalendarPage &Source);
    bool SameStyle(const TCalendarPage &Other) const;
    // Visits the style block's fields in file order, as visit(field, value),
    // or visit(field, setter, value) for a field AssignStyle copies through
    // its setter. Defined in CalendarPageStyleFields.h.
    template <typename Visitor> void VisitStyleBlock(Visitor &&visit) const
    {
        VisitStyleBlockOf(visit, *this);
    }
    void ResetStyle(QDate Today = QDate::currentDate());
    void Relayout(bool ResizeMiniFonts);

    // A click on the page at (X, Y) in page pixels at the current zoom.
    void Click(int X, int Y);

    // Calendar documents and style sheets. A save replaces the file only
    // once it is completely written and returns why it failed; a load returns
    // where and why it stopped, keeping the values read up to there. Loading a
    // document places its objects on the page, renamed "Component0",
    // "Component1", ... by the names free among the page's objects; it neither
    // empties the cells nor removes objects first.
    std::optional<QString> SaveToFile(const QString &FileName) const;
    std::optional<QString> SaveToDevice(QIODevice &Out) const;
    std::optional<ReadError> LoadFromFile(const QString &FileName);
    std::optional<ReadError> LoadFromDevice(QIODevice &In);
    std::optional<QString> SaveStyleSheet(const QString &FileName) const;
    std::optional<QString> SaveStyleSheetToDevice(QIODevice &Out) const;
    std::optional<ReadError> LoadStyleSheet(const QString &FileName);
    std::optional<ReadError> LoadStyleSheetFromDevice(QIODevice &In);
    // How many pictures of the cells of the document read last were too large
    // to decode within the document's picture budget: they show as empty
    // frames and are written back as they were read.
    int RefusedPictures() const { return m_refusedPictures; }
    // What the user is told once after reading such a document; empty when
    // every picture was decoded.
    QString RefusedPicturesMessage() const;
    // The set of pages kept with the document, in the form its owner writes
    // (StoredSet.h); empty for none. It is written after the placed objects,
    // where a reader that knows no sets stops, so such a reader takes the
    // document as its page alone; a document without one is written as it
    // was before sets were kept.
    const QByteArray &StoredSet() const { return m_storedSet; }
    void SetStoredSet(const QByteArray &Value) { m_storedSet = Value; }
    // Reads a document as the readers before stored sets did: its page and
    // objects, nothing after them. The stored set stays as it was.
    std::optional<ReadError> LoadPageFromDevice(QIODevice &In);

    // The creation tools' objects, by tool.
    void SetObjectCreator(TLPanelState State, TObjectCreator Creator);
    // Whether a placed object is on the page.
    bool HasObjects() const { return !Objects().IsEmpty(); }
    // Whether a placed object is special-effect text ("TLumSuperText" or a
    // kind derived from it), which printers take long to produce.
    bool HasSuperText() const;
    // Makes an object of the view's tool in Rect (widened to at least
    // 25 x 15, else 50 wide and 15 high), selected. False when none was made
    // or the user cancelled it.
    bool CreateObjectInRect(const TRect &Rect) override;

    // Layout results.
    const TLayoutResult &Layout() const { return m_layout; }
    int PageWidth() const { return m_layout.PageWidth; }
    int PageHeight() const { return m_layout.PageHeight; }
    // The page's size at a zoom: its layout's times the zoom, truncated.
    QSize SizeAt(float Zoom) const override;
    const TRect &BorderRect() const { return m_layout.BorderRect; }
    const TRect &MainRect() const { return m_layout.MainRect; }
    int MiniCount() const { return m_layout.MiniCount; }
    // Mini k, 1 to 60; an empty rectangle or January 1997 outside the range.
    TRect MiniRect(int k) const;
    TMonthYear MiniMonth(int k) const;
    // A page that draws no calendar, only its border picture and placed
    // objects: the cover of a set. The page's file does not keep it.
    bool CalendarHidden() const { return m_calendarHidden; }
    void SetCalendarHidden(bool Value);
    bool ShowMonthGrid() const { return m_layout.ShowMonthGrid; }
    bool ShowMinis() const { return m_layout.ShowMinis; }
    bool ShowPlanner() const { return m_layout.ShowPlanner; }

    // What the drawing of the month grid or planner recorded.
    const TCalendarAttributes &MainAttributes() const { return m_mainAttributes; }
    TCalendarAttributes &MainAttributes() { return m_mainAttributes; }
    // The border picture as loaded from its file; null without a border.
    const TWmfPicture *BorderMetafile() const
    {
        return m_borderMetafile ? &*m_borderMetafile : nullptr;
    }

protected:
    void PanelClicked(int X, int Y) override { Click(X, Y); }
    void PanelDoubleClicked(int, int) override;

private:
    // The design core's repaint requests go to the observers.
    void Invalidate() final { Notify(TPageChange::Style); }
    void Notify(TPageChanges Changes);

    // The kinds of placed object the page reads and its tools create.
    void RegisterObjectKinds();
    friend class TCalendarPageFile;

    // The one list of the style fields, visited in step over one page or
    // more (CalendarPageStyleFields.h).
    template <typename Visitor, typename... Pages>
    static void VisitStyleBlockOf(Visitor &visit, Pages &...pages);
    template <typename Visitor, typename... Pages>
    static void VisitStyleFieldsOf(Visitor &visit, Pages &...pages);

    // Records the cells' days and tells the observers of Changes.
    void Repaint(TPageChanges Changes = TPageChange::Style);
    void ResetToLocaleNames();
    void RecordCellDays();
    void SetFont(TFontDesc &font, const TFontDesc &value);
    void SetMargin(float &margin, float value);
    void SetBorder(TCalBorderStyle &border, TCalBorderStyle value);
    void SetRepaintedColor(TColor &color, TColor value);
    void SetRepaintedFlag(bool &flag, bool value);
    void SetHeadersStyleOf(TCalHeadersStyle &style, TCalHeadersStyle value);
    void ApplyLineBorders();
    void ApplyMiniLineBorders();
    void ClearBorder();
    bool LoadBorderPicture(const QString &fileName);
    void RaiseCellEventFor(int Index);
    const TCellGeometry &Geometry(int Index) const;

    TCalendarOrientation m_calendarOrientation = coPortrait;
    TCalendarLayout m_calendarLayout = loFullCalendar;
    TCalendarLineLayout m_calendarLineLayout = llFull;
    TMiniCalendarLineLayout m_miniCalendarLineLayout = mllFull;
    TColor m_titleBGColor = clWhite;
    TFontDesc m_titleFont;
    TFontDesc m_headersFont;
    TFontDesc m_cellFont;
    float m_leftMarginInch = 0.25f;
    float m_topMarginInch = 0.25f;
    float m_rightMarginInch = 0.25f;
    float m_bottomMarginInch = 0.25f;
    TCalBorderStyle m_miniCalBorder = cbAll;
    TCalBorderStyle m_miniHeadersBorder = cbBottom;
    TCalBorderStyle m_miniCellBorder = cbNone;
    bool m_miniShowYear = true;
    TColor m_miniHeadersBGColor = clWhite;
    TColor m_miniCalBGColor = clWhite;
    TFontDesc m_miniTitleFont;
    TFontDesc m_miniHeadersFont;
    TFontDesc m_miniCellFont;
    int m_mainCalDay = 0;
    int m_mainCalMonth = 1;
    int m_mainCalYear = 1997;
    int m_startOfWeek = 1;
    TCalBorderStyle m_calendarBorder = cbAll;
    bool m_titleShowYear = true;
    TCalBorderStyle m_headersBorder = cbAll;
    TCalHeadersStyle m_headersStyle = dsThreeChars;
    TCalHeadersStyle m_miniHeadersStyle = dsFirstChar;
    TColor m_headersBGColor = clWhite;
    TCalendarNumberPosition m_numberPosition = cnpUpperRight;
    TWeekNumbers m_weekNumbers = wnNone;
    TCalBorderStyle m_cellBorder = cbAll;
    QString m_userTitle;
    QByteArray m_storedSet;
    bool m_calendarHidden = false;
    QString m_wmfBorderFile;

    int m_paperSize = 0;
    QTime m_plannerStartTime{8, 0};
    int m_refusedPictures = 0;

    std::array<TWPRtfStorage, CellCount> m_cells;
    TWPRtfStorage m_blankCell;
    std::array<QString, 12> m_monthNames;
    std::array<QString, 7> m_dayNames;
    std::optional<TWmfPicture> m_borderMetafile;
    TLayoutResult m_layout;
    TCalendarAttributes m_mainAttributes;
    std::map<TLPanelState, TObjectCreator> m_creators;
    bool m_creating = false;
    std::vector<TPageObserver *> m_observers;
};
