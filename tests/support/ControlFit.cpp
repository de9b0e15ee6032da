#include "ControlFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QString Name(const QWidget &widget)
{
    if (!widget.objectName().isEmpty())
        return widget.objectName();
    // Unnamed, a control goes by its class and its text.
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        text = button->text();
    return u"%1 \"%2\""_s.arg(QString::fromLatin1(widget.metaObject()->className()),
                              text.simplified());
}

// The text as drawn: mnemonic marks gone, "&&" one ampersand.
QString Shown(QString text)
{
    text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
    return text;
}

QSize TextSize(const QFontMetrics &metrics, const QString &text)
{
    return metrics.size(Qt::TextShowMnemonic, text);
}

QString Fault(const QWidget &widget, const QString &text, const QSize &need, const QSize &room)
{
    return u"%1 \"%2\" needs %3x%4, has %5x%6"_s.arg(Name(widget), text.simplified())
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

void CheckLabel(const QLabel &label, QStringList &faults)
{
    if (label.text().trimmed().isEmpty() || label.textFormat() == Qt::RichText ||
        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text())))
        return;
    const QRect room = label.contentsRect().marginsRemoved(
        QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    const QString text = label.buddy() ? Shown(label.text()) : label.text();
    if (label.wordWrap()) {
        const QRect need = label.fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000),
                                                            Qt::TextWordWrap, text);
        if (need.height() > room.height() || need.width() > room.width())
            faults << Fault(label, text, need.size(), room.size());
        return;
    }
    const QSize need = label.fontMetrics().size(0, text);
    if (need.width() > room.width() || need.height() > room.height())
        faults << Fault(label, text, need, room.size());
}

void CheckButton(const QAbstractButton &button, QStringList &faults)
{
    if (button.text().trimmed().isEmpty())
        return;
    QRect room = button.contentsRect();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (qobject_cast<const QCheckBox *>(&button))
        room = button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    else if (qobject_cast<const QRadioButton *>(&button))
        room = button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    else if (qobject_cast<const QPushButton *>(&button))
        room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    QSize need = TextSize(button.fontMetrics(), button.text());
    if (!button.icon().isNull())
        need.rwidth() += button.iconSize().width() + 4;
    if (qobject_cast<const QCheckBox *>(&button) || qobject_cast<const QRadioButton *>(&button))
        need.rwidth() += 2; // the focus frame's room around the text
    if (need.width() > room.width() || need.height() > room.height())
        faults << Fault(button, Shown(button.text()), need, room.size());
}

void CheckGroupBox(const QGroupBox &box, QStringList &faults)
{
    if (box.title().trimmed().isEmpty())
        return;
    // The title sits inside the frame, with its indent on either side.
    const QSize text = TextSize(box.fontMetrics(), box.title());
    const QSize need(text.width() + 2 * box.fontMetrics().averageCharWidth(), text.height());
    if (need.width() > box.width())
        faults << Fault(box, Shown(box.title()), need, box.size());
}

void CheckTabBar(const QTabBar &bar, QStringList &faults)
{
    // A tab's text with the style's room on either side of it.
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    int total = 0;
    for (int i = 0; i < bar.count(); ++i) {
        const QSize text = TextSize(bar.fontMetrics(), bar.tabText(i));
        const QSize need(text.width() + space, text.height());
        const QRect room = bar.tabRect(i);
        total += room.width();
        if (need.width() > room.width() || need.height() > room.height())
            faults << Fault(bar, Shown(bar.tabText(i)), need, room.size());
    }
    // The tabs in a row, without scroll buttons, within their tab widget.
    const int room = qobject_cast<const QTabWidget *>(bar.parentWidget())
                         ? bar.parentWidget()->width()
                         : bar.width();
    if (total > room)
        faults << Fault(bar, u"all tabs"_s, QSize(total, bar.height()), QSize(room, bar.height()));
}

bool IsControl(const QWidget &widget)
{
    return qobject_cast<const QLabel *>(&widget) ||
           qobject_cast<const QAbstractButton *>(&widget) ||
           qobject_cast<const QGroupBox *>(&widget) || qobject_cast<const QLineEdit *>(&widget) ||
           qobject_cast<const QComboBox *>(&widget) ||
           qobject_cast<const QAbstractSpinBox *>(&widget) ||
           qobject_cast<const QAbstractItemView *>(&widget) ||
           qobject_cast<const QTabBar *>(&widget);
}

// The controls of one parent that overlap, each pair once.
void CheckOverlaps(const QWidget &parent, const QWidget &window, QStringList &faults)
{
    QList<const QWidget *> controls;
    for (const QObject *child : parent.children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && !widget->isWindow() && widget->isVisibleTo(&window) && IsControl(*widget) &&
            !qobject_cast<const QAbstractItemView *>(&parent))
            controls << widget;
    }
    // A control reaching past its parent is cut off by it, unless the parent
    // scrolls it into view.
    const bool scrolls =
        parent.parentWidget() && parent.parentWidget()->inherits("QAbstractScrollArea");
    for (const QWidget *control : controls) {
        if (!scrolls && !parent.rect().contains(control->geometry()))
            faults << u"%1 reaches past %2: %3,%4 %5x%6 in %7x%8"_s
                          .arg(Name(*control), Name(parent))
                          .arg(control->x())
                          .arg(control->y())
                          .arg(control->width())
                          .arg(control->height())
                          .arg(parent.width())
                          .arg(parent.height());
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect common = controls[i]->geometry().intersected(controls[j]->geometry());
            if (!common.isEmpty())
                faults << u"%1 and %2 overlap by %3x%4"_s
                              .arg(Name(*controls[i]), Name(*controls[j]))
                              .arg(common.width())
                              .arg(common.height());
        }
    }
}

void CheckShown(QWidget &window, QSet<QString> &faults)
{
    QStringList found;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    for (const QWidget *widget : widgets) {
        if (widget != &window && (widget->isWindow() || !widget->isVisibleTo(&window)))
            continue;
        // The inside of a list, a combo box or a spin box is theirs.
        if (widget->parentWidget() &&
            (qobject_cast<const QAbstractItemView *>(widget->parentWidget()) ||
             qobject_cast<const QComboBox *>(widget->parentWidget()) ||
             qobject_cast<const QAbstractSpinBox *>(widget->parentWidget())))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            CheckLabel(*label, found);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            CheckButton(*button, found);
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            CheckGroupBox(*box, found);
        else if (const auto *bar = qobject_cast<const QTabBar *>(widget))
            CheckTabBar(*bar, found);
        CheckOverlaps(*widget, window, found);
    }
    for (const QString &fault : found)
        faults.insert(fault);
}

} // namespace

QStringList ControlFaults(QWidget &window)
{
    window.show();
    QApplication::processEvents();
    QSet<QString> faults;
    CheckShown(window, faults);
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            CheckShown(window, faults);
        }
        tabs->setCurrentIndex(current);
    }
    window.hide();
    QStringList sorted(faults.begin(), faults.end());
    sorted.sort();
    return sorted;
}
