#include "CalendarPageStyleFields.h"

#include <type_traits>

namespace {

// One visitor of several lambdas, each taking the calls it fits.
template <typename... Lambdas> struct Overloaded : Lambdas...
{
    using Lambdas::operator()...;
};
// Spelled out for compilers without deduction for aggregates (Clang 14).
template <typename... Lambdas> Overloaded(Lambdas...) -> Overloaded<Lambdas...>;

// Whether two values of a field make the same style: fonts by their look,
// without their size.
template <typename T> bool SameValue(const T &a, const T &b)
{
    return a == b;
}
bool SameValue(const TFontDesc &a, const TFontDesc &b)
{
    return a.SameLook(b);
}

} // namespace

void TCalendarPage::AssignStyle(const TCalendarPage &Source)
{
    // The fields copied directly, then those copied through their setters,
    // each in list order.
    Overloaded direct{
        [this](const TStyleField &field, auto &value, const auto &source) {
            if (!field.Copied)
                return;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, TFontDesc>)
                SetFont(value, source);
            else
                value = source;
        },
        [](const TStyleField &, auto, auto &, const auto &) {},
    };
    VisitStyleFieldsOf(direct, *this, Source);
    Overloaded bySetter{
        [](const TStyleField &, auto &, const auto &) {},
        [this](const TStyleField &field, auto setter, auto &, const auto &source) {
            if (field.Copied)
                (this->*setter)(source);
        },
    };
    VisitStyleFieldsOf(bySetter, *this, Source);
    Relayout(false);
}

bool TCalendarPage::SameStyle(const TCalendarPage &Other) const
{
    bool same = true;
    Overloaded compare{
        [&same](const TStyleField &field, const auto &value, const auto &other) {
            same = same && (!field.Copied || SameValue(value, other));
        },
        [&same](const TStyleField &field, auto, const auto &value, const auto &other) {
            same = same && (!field.Copied || SameValue(value, other));
        },
    };
    VisitStyleFieldsOf(compare, *this, Other);
    return same;
}

void TCalendarPage::ResetStyle(QDate Today)
{
    m_paperSize = 0;
    m_userTitle.clear();
    m_calendarLayout = loFCMinisInTitleLS;
    m_startOfWeek = 1;
    ResetToLocaleNames();
    if (Today.isValid()) {
        m_mainCalDay = Today.day();
        m_mainCalMonth = Today.month();
        m_mainCalYear = Today.year();
    }
    m_titleBGColor = clWhite;
    m_headersBGColor = clWhite;
    m_miniCalBGColor = clWhite;
    m_miniHeadersBGColor = clWhite;
    TFontDesc miniHeadersFont = m_miniHeadersFont;
    miniHeadersFont.Color = clBlack;
    SetFont(m_miniHeadersFont, miniHeadersFont);
    m_miniHeadersStyle = dsFirstChar;
    m_titleShowYear = true;
    m_miniShowYear = true;
    m_leftMarginInch = m_topMarginInch = m_rightMarginInch = m_bottomMarginInch = 0.5f;
    m_plannerStartTime = QTime(8, 0);
    m_weekNumbers = wnNone;
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    SetWMFBorderFile(QString());
    Relayout(true);
}
