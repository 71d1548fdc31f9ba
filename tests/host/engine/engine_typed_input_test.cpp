// The host's reading of typed amounts follows the program's locale as it is
// when a text is read, as a new engine host's cells read it.

#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <optional>

namespace jubilo {
namespace {

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::system()); }
};

TEST(EngineTypedInputTest, AmountsReadInTheDefaultLocaleAsTheHostsCellsReadThem)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        QLocale locale;
        const char* typed;
        std::optional<double> number;  // none: text, which adds nothing
    } cases[] = {
        {us, "1,234.50", 1234.5},       {us, "$500", 500},
        {us, "1.234,50", std::nullopt}, {us, "500 €", std::nullopt},
        {german, "1.234,50", 1234.5},   {german, "500 €", 500},
        {german, "-9,99 €", -9.99},     {german, "1,234.50", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " \"" + c.typed + "\"");
        const DefaultLocale chosen(c.locale);
        const HostTypedValue read = engineTypedInput().read(QString::fromUtf8(c.typed));
        EXPECT_EQ(read.kind, c.number ? HostTypedValue::Kind::Number : HostTypedValue::Kind::Nothing);
        if (c.number) {
            EXPECT_DOUBLE_EQ(read.number, *c.number);
        }
        // A cell of a host started now holds the same.
        auto host = createEngineHost("Excel.Application");
        host->workbooks()->add();
        const auto cell = host->range(QStringLiteral("A1"));
        cell->setFormulaR1C1(QString::fromUtf8(c.typed));
        EXPECT_EQ(cell->value(), c.number ? QVariant(*c.number) : QVariant(QString::fromUtf8(c.typed)));
        host->quit();
    }
}

}  // namespace
}  // namespace jubilo
