#include "host/engine/engine_typed_input.h"

#include "spreadsheet/input/typed_input.h"

#include <QLocale>

namespace jubilo {

namespace {

class EngineTypedInput final : public HostTypedInput {
public:
    HostTypedValue read(const QString& text) const override
    {
        using spreadsheet::TypedInput;
        // The locale an engine host's application is created with.
        const QLocale locale;
        const TypedInput typed = spreadsheet::readTypedInput(text, {locale, QDate(), false});
        if (typed.kind == TypedInput::Kind::Formula)
            return {HostTypedValue::Kind::Formula, 0, {}};
        if (typed.kind != TypedInput::Kind::Constant)
            return {};
        if (spreadsheet::isNumber(typed.value))
            return {HostTypedValue::Kind::Number, std::get<double>(typed.value), {}};
        if (spreadsheet::isError(typed.value))
            return {HostTypedValue::Kind::Error, 0,
                    spreadsheet::errorText(std::get<spreadsheet::ErrorCode>(typed.value))};
        return {};
    }
};

}  // namespace

const HostTypedInput& engineTypedInput()
{
    static const EngineTypedInput reader;
    return reader;
}

}  // namespace jubilo
