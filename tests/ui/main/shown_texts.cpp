#include "shown_texts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QWidget>

namespace jubilo::testing {

namespace {

QString shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

QString nameOf(const QWidget& widget)
{
    return QString::fromLatin1(widget.metaObject()->className()) + QLatin1Char(' ') + widget.objectName();
}

int textWidth(const QWidget& widget, const QString& text) { return widget.fontMetrics().horizontalAdvance(text); }

// A button's text has its width less the frame and a little air each side;
// a check box's or radio button's, its width less the indicator.
int buttonRoom(const QAbstractButton& button)
{
    const QStyle* style = button.style();
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        const bool check = qobject_cast<const QCheckBox*>(&button) != nullptr;
        const int indicator
            = style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth);
        const int spacing
            = style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing);
        return button.width() - indicator - spacing;
    }
    return button.width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
}

void addText(std::vector<ShownText>& texts, QString where, const QString& text, int room, int needed)
{
    if (!text.trimmed().isEmpty())
        texts.push_back({std::move(where), text, room, needed});
}

void addMenu(std::vector<ShownText>& texts, const QMenu& menu, const QString& path)
{
    addText(texts, path, shown(menu.title()), -1, 0);
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString where = path + QStringLiteral(" > ") + shown(action->text());
        if (action->menu())
            addMenu(texts, *action->menu(), where);
        else {
            addText(texts, where, shown(action->text()), -1, 0);
            addText(texts, where + QStringLiteral(" (status tip)"), action->statusTip(), -1, 0);
            addText(texts, where + QStringLiteral(" (tooltip)"),
                    action->toolTip() == shown(action->text()) ? QString() : action->toolTip(), -1, 0);
        }
    }
}

void addTabs(std::vector<ShownText>& texts, const QTabBar& bar, const QString& where)
{
    for (int i = 0; i < bar.count(); ++i) {
        const QString text = shown(bar.tabText(i));
        const QRect rect = bar.tabRect(i);
        // A tab outside the bar is only reached by its scroll buttons.
        const int room = rect.right() < bar.width() ? rect.width() - 8 : 0;
        addText(texts, where + QStringLiteral(" tab %1").arg(i), text, room, textWidth(bar, text));
        addText(texts, where + QStringLiteral(" tab %1 (tooltip)").arg(i), bar.tabToolTip(i), -1, 0);
    }
}

void addHeader(std::vector<ShownText>& texts, const QHeaderView& header, const QString& where)
{
    const QAbstractItemModel* model = header.model();
    if (!model)
        return;
    const int count = header.orientation() == Qt::Horizontal ? model->columnCount() : model->rowCount();
    for (int section = 0; section < count; ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString text = model->headerData(section, header.orientation()).toString();
        // The last section of a stretching header takes what room is left.
        const bool stretches = header.stretchLastSection() && section == count - 1;
        const int size = header.orientation() == Qt::Horizontal ? header.sectionSize(section) : header.width();
        const int room = stretches ? -1 : size - 8;
        addText(texts, where + QStringLiteral(" column %1").arg(section), text, room, textWidth(header, text));
    }
}

void addWidget(std::vector<ShownText>& texts, const QWidget& widget)
{
    const QString where = nameOf(widget);
    if (widget.isWindow())
        addText(texts, where + QStringLiteral(" (title)"), widget.windowTitle(), -1, 0);
    addText(texts, where + QStringLiteral(" (tooltip)"), widget.toolTip(), -1, 0);
    addText(texts, where + QStringLiteral(" (accessible name)"), widget.accessibleName(), -1, 0);
    addText(texts, where + QStringLiteral(" (accessible description)"), widget.accessibleDescription(), -1, 0);
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QString text = shown(button->text());
        addText(texts, where, text, buttonRoom(*button), textWidth(widget, text));
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QString text = label->text();
        const bool measured = !label->wordWrap() && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(text)
            && !text.contains(QLatin1Char('\n'));
        addText(texts, where, shown(text), measured ? label->contentsRect().width() : -1,
                textWidth(widget, shown(text)));
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        const QString text = shown(box->title());
        addText(texts, where, text, box->width() - 16, textWidth(widget, text));
    } else if (const auto* bar = qobject_cast<const QTabBar*>(&widget)) {
        addTabs(texts, *bar, where);
    } else if (const auto* header = qobject_cast<const QHeaderView*>(&widget)) {
        addHeader(texts, *header, where);
    } else if (const auto* choice = qobject_cast<const QComboBox*>(&widget)) {
        // The arrow takes about a line's height at the right.
        const int room = choice->width() - choice->height() - 4;
        for (int i = 0; i < choice->count(); ++i) {
            addText(texts, where + QStringLiteral(" item %1").arg(i), choice->itemText(i), room,
                    textWidth(widget, choice->itemText(i)));
        }
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        addText(texts, where + QStringLiteral(" (placeholder)"), edit->placeholderText(), -1, 0);
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
        // A menu the bar has no room for moves to its overflow button.
        for (QAction* action : bar->actions()) {
            const QRect place = bar->actionGeometry(action);
            const bool visible = !place.isEmpty() && place.right() < bar->width();
            addText(texts, where + QStringLiteral(" item"), shown(action->text()), visible ? -1 : 0, 1);
        }
    } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        // A bar's menus, each with its submenus; the bar's overflow menu
        // only repeats them.
        if (!menu->parentWidget() || qobject_cast<const QMenuBar*>(menu->parentWidget()))
            addMenu(texts, *menu, where);
    }
}

void walk(std::vector<ShownText>& texts, const QWidget& widget)
{
    addWidget(texts, widget);
    for (const QObject* child : widget.children()) {
        if (const auto* childWidget = qobject_cast<const QWidget*>(child))
            walk(texts, *childWidget);
    }
}

}  // namespace

std::vector<ShownText> shownTexts(const QWidget& window)
{
    std::vector<ShownText> texts;
    walk(texts, window);
    return texts;
}

}  // namespace jubilo::testing
