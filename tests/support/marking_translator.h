#pragma once
// A translator that marks every text it is asked for, «like this», so a
// test sees which texts went through translation and which did not.

#include <QCoreApplication>
#include <QTranslator>

namespace jubilo::testing {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/ = nullptr,
                      int /*n*/ = -1) const override
    {
        if (!source || !*source)
            return {};
        return QChar(u'«') + QString::fromUtf8(source) + QChar(u'»');
    }
    bool isEmpty() const override { return false; }
};

// Installs `translator` on the application for as long as it lives.
class InstalledTranslator {
public:
    explicit InstalledTranslator(QTranslator& translator)
        : translator_(translator)
    {
        QCoreApplication::installTranslator(&translator_);
    }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&translator_); }
    InstalledTranslator(const InstalledTranslator&) = delete;
    InstalledTranslator& operator=(const InstalledTranslator&) = delete;

private:
    QTranslator& translator_;
};

// Installs a MarkingTranslator for its lifetime. Install it before the
// windows are built: texts are translated as they are made.
class ScopedMarkingTranslator {
public:
    ScopedMarkingTranslator() { QCoreApplication::installTranslator(&translator_); }
    ~ScopedMarkingTranslator() { QCoreApplication::removeTranslator(&translator_); }
    ScopedMarkingTranslator(const ScopedMarkingTranslator&) = delete;
    ScopedMarkingTranslator& operator=(const ScopedMarkingTranslator&) = delete;

private:
    MarkingTranslator translator_;
};

}  // namespace jubilo::testing
