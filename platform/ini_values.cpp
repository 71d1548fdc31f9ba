#include "platform/ini_values.h"

#include <algorithm>

namespace jubilo {

void IniValues::setDocument(ini::IniDocument document, bool keepEdits)
{
    std::map<Key, std::optional<QString>> kept;
    if (keepEdits) {
        for (const Key& key : edited_)
            kept[key] = decoded_[key];
    } else {
        edited_.clear();
    }
    document_ = std::move(document);
    decoded_ = std::move(kept);
}

void IniValues::dropEdits()
{
    for (const Key& key : edited_)
        decoded_.erase(key);
    edited_.clear();
}

std::optional<QString>& IniValues::slot(const Key& key)
{
    auto found = decoded_.find(key);
    if (found == decoded_.end())
        found = decoded_.emplace(key, document_.value(key.first, key.second)).first;
    return found->second;
}

const std::optional<QString>& IniValues::value(const Key& key) { return slot(key); }

void IniValues::set(const Key& key, QString text)
{
    if (std::find(edited_.begin(), edited_.end(), key) == edited_.end())
        edited_.push_back(key);
    decoded_[key] = std::move(text);
}

void IniValues::splice(const Key& key, const TextSplice& splice)
{
    std::optional<QString>& current = slot(key);
    QString text = current ? std::move(*current) : QString();
    applySplice(text, splice);
    set(key, std::move(text));
}

bool IniValues::replay(const std::vector<journal::Edit>& edits)
{
    const std::map<Key, std::optional<QString>> before = decoded_;  // values are shared, not copied
    const std::vector<Key> editedBefore = edited_;
    for (const journal::Edit& edit : edits) {
        const Key key{edit.group, edit.key};
        std::optional<QString>& current = slot(key);
        // Taken out, so that a key's later edits splice it in place.
        QString text = current ? std::move(*current) : QString();
        if ((current ? text.size() : -1) != edit.oldLength || !applySplice(text, edit.splice)) {
            decoded_ = before;
            edited_ = editedBefore;
            return false;
        }
        set(key, std::move(text));
    }
    return true;
}

bool IniValues::foldInto(ini::IniDocument& document)
{
    bool swallowed = false;
    for (const Key& key : edited_) {
        if (const std::optional<QString>& text = value(key))
            swallowed = document.setValue(key.first, key.second, *text) || swallowed;
    }
    return swallowed;
}

void IniValues::foldedInto(ini::IniDocument document)
{
    document_ = std::move(document);
    edited_.clear();
}

}  // namespace jubilo
