#pragma once
// Whole files read and written in one call, for tests that plant files and
// check what became of them.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace jubilo::testing {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The file's bytes; "<unreadable>" when it cannot be opened.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace jubilo::testing
