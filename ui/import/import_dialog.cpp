#include "ui/import/import_dialog.h"

#include "files/path_bytes.h"
#include "plan/plan_tables.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace jubilo {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ImportGuestsDialog::ImportGuestsDialog(GuestSource source, QWidget* parent)
    : QDialog(parent)
    , source_(std::move(source))
    , mapping_(source_.mapping)
{
    setWindowTitle(tr("Import Guests"));
    setObjectName(QStringLiteral("importGuestsDialog"));
    auto* layout = new QVBoxLayout(this);
    const QString file = QDir::toNativeSeparators(files::displayName(source_.path));
    layout->addWidget(wrappedLabel(tr("%1\n%2").arg(file, source_.format), this));
    if (source_.mappable)
        layout->addWidget(buildMapping());
    preview_ = new QTableWidget(0, kGuestColumns, this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAccessibleName(tr("The first guests as they will be added"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->verticalHeader()->hide();
    preview_->horizontalHeader()->setStretchLastSection(true);
    const TableSpec& guests = tableSpec(TableId::Guests);
    for (int column = 0; column < kGuestColumns; ++column)
        preview_->setHorizontalHeaderItem(column, new QTableWidgetItem(shownColumnHeader(guests, column)));
    // Room for the rows shown, without a scroll bar.
    preview_->setMinimumHeight(preview_->horizontalHeader()->sizeHint().height()
                               + kPreviewRows * preview_->verticalHeader()->defaultSectionSize()
                               + 2 * preview_->frameWidth());
    layout->addWidget(wrappedLabel(tr("The first guests as they will be added:"), this));
    layout->addWidget(preview_);
    if (!source_.note.isEmpty())
        layout->addWidget(wrappedLabel(source_.note, this));
    summary_ = wrappedLabel(QString(), this);
    summary_->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
    showPreview();
}

// One choice per Guests column: none, or one of the file's columns.
QWidget* ImportGuestsDialog::buildMapping()
{
    auto* box = new QGroupBox(tr("Columns of the file"), this);
    auto* form = new QFormLayout(box);
    const TableSpec& guests = tableSpec(TableId::Guests);
    for (int column = 0; column < kGuestColumns; ++column) {
        auto* choice = new QComboBox(box);
        choice->setObjectName(QStringLiteral("columnChoice%1").arg(column));
        const QString header = shownColumnHeader(guests, column);
        choice->setAccessibleName(tr("File column for %1").arg(header));
        choice->addItem(tr("(none)"), GuestMapping::kNoColumn);
        for (int source = 0; source < source_.columns.size(); ++source)
            choice->addItem(source_.columns[source], source);
        choice->setCurrentIndex(choice->findData(mapping_.columns[static_cast<std::size_t>(column)]));
        connect(choice, &QComboBox::currentIndexChanged, this, &ImportGuestsDialog::mappingChosen);
        // "RSVP?" asks already: no colon after it.
        form->addRow(header.endsWith(QLatin1Char('?')) ? header : tr("%1:").arg(header), choice);
        choices_[static_cast<std::size_t>(column)] = choice;
    }
    form->addRow(wrappedLabel(tr("An empty \"RSVP?\" reads \"No\", an empty \"Number in Party\" reads \"1\"."), box));
    return box;
}

void ImportGuestsDialog::mappingChosen()
{
    for (int column = 0; column < kGuestColumns; ++column)
        mapping_.columns[static_cast<std::size_t>(column)]
            = choices_[static_cast<std::size_t>(column)]->currentData().toInt();
    showPreview();
}

void ImportGuestsDialog::showPreview()
{
    guests_ = mappedGuests(source_.rows, mapping_);
    const int shown = std::min(kPreviewRows, static_cast<int>(source_.rows.size()));
    preview_->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const PlanRow cells = mappedRow(source_.rows[static_cast<std::size_t>(row)], mapping_);
        for (int column = 0; column < kGuestColumns; ++column)
            preview_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    preview_->resizeColumnsToContents();
    summary_->setText(summary());
    import_->setEnabled(!guests_.problemLine);
}

QString ImportGuestsDialog::summary() const
{
    if (guests_.problemLine)
        return tr("Line %1 cannot be added: %2. Choose other columns, or correct the file; nothing is added until "
                  "every row can be.")
            .arg(*guests_.problemLine)
            .arg(guests_.problem);
    const auto count = static_cast<int>(guests_.rows.size());
    return count == 1 ? tr("1 guest will be added.") : tr("%L1 guests will be added.").arg(count);
}

}  // namespace jubilo
