#include "shell/form_layout.h"

#include "shell/skin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>

#include <stdexcept>

namespace jubilo {

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
    box->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    box->setCurrentIndex(-1);
    return box;
}

QWidget* makeElement(const FormElement& e, QWidget* parent)
{
    const QString caption = QString::fromUtf8(e.caption ? e.caption : "");
    switch (e.kind) {
    case ElementKind::Button: return new QPushButton(caption, parent);
    case ElementKind::Frame: return new QGroupBox(caption, parent);
    case ElementKind::Label: return new QLabel(caption, parent);
    case ElementKind::TextBox: return new QLineEdit(parent);
    case ElementKind::DropDown: return makeDropDown(parent);
    case ElementKind::List: return makeList(parent);
    case ElementKind::TabStrip: return new QTabWidget(parent);
    case ElementKind::PictureBox: {
        auto* box = new QWidget(parent);
        box->setProperty(kPictureBoxProperty, true);
        return box;
    }
    case ElementKind::HScrollBar: return new QScrollBar(Qt::Horizontal, parent);
    case ElementKind::VScrollBar: return new QScrollBar(Qt::Vertical, parent);
    case ElementKind::TabPage: {
        auto* page = new QWidget(parent);
        page->setProperty(kPictureBoxProperty, true);
        return page;
    }
    }
    throw std::logic_error("Unknown element kind");
}

QWidget* parentOf(QWidget& window, const FormElement& e)
{
    if (!e.parent)
        return &window;
    auto* parent = window.findChild<QWidget*>(QString::fromUtf8(e.parent));
    if (!parent)
        throw std::logic_error(std::string("Element ") + e.name + " names a missing parent");
    return parent;
}

}  // namespace

void buildForm(QWidget& window, std::span<const FormElement> elements)
{
    for (const FormElement& e : elements) {
        QWidget* parent = parentOf(window, e);
        QWidget* widget = makeElement(e, parent);
        widget->setObjectName(QString::fromUtf8(e.name));
        if (e.kind == ElementKind::TabPage) {
            auto* strip = qobject_cast<QTabWidget*>(parent);
            if (!strip)
                throw std::logic_error(std::string("Tab page ") + e.name + " is not in a tab strip");
            strip->addTab(widget, QString::fromUtf8(e.caption));
            continue;
        }
        widget->setGeometry(twipsToPixels(e.left), twipsToPixels(e.top), twipsToPixels(e.width),
                            twipsToPixels(e.height));
    }
}

}  // namespace jubilo
