#pragma once
// A translator that marks every text it is asked for: "«" + source + "»",
// so a test sees which texts went through translation and which did not.

#include <QTranslator>

namespace jubilo::testing {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return QStringLiteral("\u00AB") + QString::fromUtf8(sourceText) + QStringLiteral("\u00BB");
    }
    bool isEmpty() const override { return false; }
};

}  // namespace jubilo::testing
