#pragma once
// An INI file as bytes that Jubilo edits in place: setting one value
// rewrites that value's line and nothing else, so groups and keys Jubilo
// does not know, comments and blank lines stay exactly as they were (a
// newer Jubilo's data, a hand edit). Lines are found as QSettings finds
// them: a ';' outside quotes starts a comment, quotes may hold line breaks,
// a backslash escapes the next character. Lines before the first group
// belong to the general group, which has the empty name.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace jubilo::ini {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(QByteArray bytes);

    const QByteArray& bytes() const { return bytes_; }

    // The text of the key's last line in the group (QSettings lets a later
    // line win), or nothing when no line sets it.
    std::optional<QString> value(const QString& group, const QString& key) const;

    // Rewrites the key's last line in the group; a new key goes at the end
    // of the group's last block, a new group at the end of the file. When
    // the edit would not read back as meant (a quote a hand left open
    // swallows the new line, say), the file is written afresh from what
    // could be read (see cleaned()) and the answer is true.
    bool setValue(const QString& group, const QString& key, const QString& text);

    // True when a "[group]" line opens the group, keys or none; the general
    // group is always there.
    bool hasGroup(const QString& group) const;

    // Every group and key a line sets, with the value it reads as.
    using Values = std::map<std::pair<QString, QString>, std::optional<QString>>;
    Values values() const;

    // The file written afresh from what could be read: each group once, in
    // the order first met, with its keys' last values, one line each;
    // comments and lines that are neither a group nor a key are gone. For a
    // damaged file, once a copy of it is kept.
    IniDocument cleaned() const;

private:
    struct Entry {
        QString group, key;
        qsizetype start = 0, end = 0;  // the line, without its line break
        qsizetype valueStart = 0;
    };
    struct Block {
        QString group;
        qsizetype lastLineEnd = -1;  // of its header or its last key's line
    };

    void parse();
    bool isPlainEditOf(const IniDocument& before, const QString& group, const QString& key, const QString& text) const;
    void editLine(const QString& group, const QString& key, const QString& text);
    const Entry* lastEntry(const QString& group, const QString& key) const;
    QByteArrayView rawValue(const Entry& entry) const;
    void insertLine(qsizetype after, const QByteArray& line);
    void appendGroup(const QString& group, const QByteArray& line);

    QByteArray bytes_;
    std::vector<Entry> entries_;
    std::vector<Block> blocks_;
};

}  // namespace jubilo::ini
