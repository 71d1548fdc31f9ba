#pragma once
// The values an INI file reads as: its document's (the file as last read
// or written), with the edits made since on top, which are not in the
// document yet but in its journal. Each value is decoded once and then
// kept, so that reading or editing one value of a plan of thousands of
// rows never unescapes or scans the whole file again.

#include "platform/ini_document.h"
#include "platform/journal_format.h"

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace jubilo {

class IniValues {
public:
    using Key = std::pair<QString, QString>;  // group, key

    const ini::IniDocument& document() const { return document_; }

    // Takes `document` as the file; the edits on top stay when `keepEdits`.
    void setDocument(ini::IniDocument document, bool keepEdits);
    // Forgets the edits on top: the values are the document's again.
    void dropEdits();

    // The key's value, or nothing when no line sets it.
    const std::optional<QString>& value(const Key& key);
    // An edit on top of the document.
    void set(const Key& key, QString text);
    // The same, spliced into the value where it stands, which must be
    // there and long enough: a long value is changed in place, not copied.
    void splice(const Key& key, const TextSplice& splice);
    // Replays journaled edits on top; false, with the values as before,
    // when one does not fit the value it edits.
    bool replay(const std::vector<journal::Edit>& edits);

    // The keys edited on top, in the order first edited.
    const std::vector<Key>& edited() const { return edited_; }

    // `document` with every edit on top written in: what the file becomes
    // when they are folded into it. True when a line of it would have
    // swallowed one (see IniDocument::setValue).
    bool foldInto(ini::IniDocument& document);
    // Takes `document`, which holds every edit, as the file.
    void foldedInto(ini::IniDocument document);

private:
    std::optional<QString>& slot(const Key& key);

    ini::IniDocument document_;
    std::map<Key, std::optional<QString>> decoded_;  // of the document, or edited
    std::vector<Key> edited_;
};

}  // namespace jubilo
