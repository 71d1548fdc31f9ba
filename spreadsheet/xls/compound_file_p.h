#pragma once

// The OLE2 compound-file container around a workbook stream, through
// libgsf. Nothing of GLib shows through this interface.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace jubilo::xls {

// Largest container and workbook stream this layer reads or writes.
inline constexpr std::size_t kMaxFileSize = std::size_t(256) << 20;

// A compound file holding one stream, "Workbook" unless told otherwise,
// with the given bytes.
std::vector<uint8_t> packWorkbookStream(std::span<const uint8_t> stream, const char* streamName = "Workbook");

// The "Workbook" stream of a compound file. Throws XlsError when the bytes
// are no compound file, hold an Excel 5/95 "Book" stream instead, hold no
// workbook at all, or are damaged.
std::vector<uint8_t> unpackWorkbookStream(std::span<const uint8_t> file);

}  // namespace jubilo::xls
