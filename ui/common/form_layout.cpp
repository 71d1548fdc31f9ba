#include "ui/common/form_layout.h"

#include "plan/answers.h"
#include "ui/common/caption_fit.h"
#include "ui/common/skin.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <limits>

namespace jubilo {

void addAnswerItems(QComboBox& box)
{
    for (const char* answer : {kYesAnswer, kNoAnswer})
        box.addItem(shownAnswer(QString::fromLatin1(answer)), QString::fromLatin1(answer));
}

namespace {

QWidget* makeList(QWidget* parent)
{
    auto* list = new QTreeView(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

QWidget* makeDropDown(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(false);
    addAnswerItems(*box);
    box->setCurrentIndex(-1);
    return box;
}

QWidget* makePictureBox(QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setProperty(kPictureBoxProperty, true);
    return box;
}

// A box takes whatever is typed or pasted: a text a cell cannot hold is
// refused, with a message, when its row is added, never cut here silently.
QLineEdit* makeTextBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QWidget* makeElement(ElementKind kind, const QString& caption, QWidget* parent)
{
    switch (kind) {
    case ElementKind::Button:
        return new QPushButton(caption, parent);
    case ElementKind::Frame:
        return new QGroupBox(caption, parent);
    case ElementKind::Label:
        return new QLabel(caption, parent);
    case ElementKind::TextBox:
        return makeTextBox(parent);
    case ElementKind::DropDown:
        return makeDropDown(parent);
    case ElementKind::List:
        return makeList(parent);
    case ElementKind::TabStrip:
        return new QTabWidget(parent);
    case ElementKind::PictureBox:
        return makePictureBox(parent);
    case ElementKind::HScrollBar:
        return new QScrollBar(Qt::Horizontal, parent);
    case ElementKind::VScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case ElementKind::TabPage:
        return makePictureBox(parent);
    }
    throw std::logic_error("Unknown element kind");
}

}  // namespace

QWidget* FormBuilder::parentNamed(const char* parent, const char* child) const
{
    if (!parent)
        return &window_;
    for (const auto& [name, widget] : built_) {
        if (name == parent)
            return widget;
    }
    throw std::logic_error(std::string("Element ") + child + " names a missing parent");
}

QWidget* FormBuilder::add(const char* name, ElementKind kind, const char* parent, const char* caption,
                          const QRect& twips)
{
    QWidget* parentWidget = parentNamed(parent, name);
    const QString text = caption && *caption ? QCoreApplication::translate(textContext_, caption) : QString();
    QWidget* widget = makeElement(kind, text, parentWidget);
    widget->setObjectName(QString::fromUtf8(name));
    if (kind == ElementKind::Label && text != QString::fromUtf8(caption))
        widget->setProperty(kTranslatedCaptionProperty, true);
    built_.emplace_back(name, widget);
    if (kind == ElementKind::TabPage) {
        auto* strip = qobject_cast<QTabWidget*>(parentWidget);
        if (!strip)
            throw std::logic_error(std::string("Tab page ") + name + " is not in a tab strip");
        strip->addTab(widget, text);
        return widget;
    }
    widget->setGeometry(twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
                        twipsToPixels(twips.height()));
    nameAfterLabel(*widget, kind, parentWidget);
    lastLabel_ = kind == ElementKind::Label ? qobject_cast<QLabel*>(widget) : nullptr;
    return widget;
}

// An input placed right after a label beside it is what the label names:
// screen readers hear the label's text without its colon.
void FormBuilder::nameAfterLabel(QWidget& input, ElementKind kind, const QWidget* parent) const
{
    if ((kind != ElementKind::TextBox && kind != ElementKind::DropDown) || !lastLabel_
        || lastLabel_->parentWidget() != parent)
        return;
    QString name = lastLabel_->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    input.setAccessibleName(name.trimmed());
}

}  // namespace jubilo
