#include "platform/date_question.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace jubilo {

std::optional<QDate> askDateInDialog(QWidget* parent, const QString& title, const QString& label, const QDate& proposal)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* question = new QLabel(label, &dialog);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* dateBox = new QDateEdit(proposal, &dialog);
    dateBox->setCalendarPopup(true);
    dateBox->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    dateBox->setAccessibleName(title);
    question->setBuddy(dateBox);
    layout->addWidget(dateBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dateBox->date();
}

}  // namespace jubilo
