#pragma once
// File > Import Guests' dialog: what the file is, which of its columns
// becomes each of the Guests list's columns (a choice for delimited text,
// set from its header), the first guests as they will be added, and how
// many will be. Nothing is added here: the caller adds guests() once the
// dialog is accepted, and Import is offered only while every row can go in.

#include "lists/guest_mapping.h"
#include "lists/guest_source.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace jubilo {

// The guests the preview shows.
inline constexpr int kPreviewRows = 5;

class ImportGuestsDialog : public QDialog {
    Q_OBJECT
public:
    ImportGuestsDialog(GuestSource source, QWidget* parent = nullptr);

    // The file's column chosen for a Guests column (0-based); none for a
    // file whose fields have fixed meanings (vCards).
    QComboBox* columnChoice(int guestColumn) const { return choices_[static_cast<std::size_t>(guestColumn)]; }
    const GuestMapping& mapping() const { return mapping_; }
    // Every guest as the mapping reads them, or the first row refused.
    const MappedGuests& guests() const { return guests_; }
    QTableWidget& preview() const { return *preview_; }
    // "42 guests will be added.", or why none can be.
    QString summary() const;
    QPushButton& importButton() const { return *import_; }

private:
    QWidget* buildMapping();
    void mappingChosen();
    void showPreview();

    GuestSource source_;
    GuestMapping mapping_;
    MappedGuests guests_;
    std::array<QComboBox*, kGuestColumns> choices_{};
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* import_ = nullptr;
};

}  // namespace jubilo
