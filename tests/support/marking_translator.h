#pragma once
// A translator that "translates" every text into itself between « and »,
// so a test sees which texts go through tr(): a text that comes out
// unmarked was never offered to a translator.

#include <QCoreApplication>
#include <QTranslator>

namespace jubilo::testing {

class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        (void)context;
        (void)disambiguation;
        (void)n;
        if (!source || !*source)
            return {};
        return QChar(0x00AB) + QString::fromUtf8(source) + QChar(0x00BB);
    }
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

// A MarkingTranslator installed for the scope.
class InstalledMarkingTranslator {
public:
    InstalledMarkingTranslator()
        : installed_(translator_)
    {
    }

private:
    MarkingTranslator translator_;
    InstalledTranslator installed_;
};

}  // namespace jubilo::testing
