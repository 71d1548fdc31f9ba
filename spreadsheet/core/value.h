#pragma once
// A cell's value: empty, number, boolean, error or text. Error codes are the
// ones the file format stores in BOOLERR records and PtgErr tokens.

#include "spreadsheet/xls/xls_codes.h"

#include <QString>

#include <optional>
#include <variant>

namespace jubilo::spreadsheet {

using ErrorCode = xls::XlsErrorCode;

QString errorText(ErrorCode code);
std::optional<ErrorCode> errorFromText(QStringView text);

using Value = std::variant<std::monostate, double, bool, ErrorCode, QString>;

inline bool isEmpty(const Value& v) { return std::holds_alternative<std::monostate>(v); }
inline bool isNumber(const Value& v) { return std::holds_alternative<double>(v); }
inline bool isBool(const Value& v) { return std::holds_alternative<bool>(v); }
inline bool isError(const Value& v) { return std::holds_alternative<ErrorCode>(v); }
inline bool isText(const Value& v) { return std::holds_alternative<QString>(v); }

}  // namespace jubilo::spreadsheet
