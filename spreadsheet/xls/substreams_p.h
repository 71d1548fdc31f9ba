#pragma once

// The workbook stream is a sequence of sub-streams, each from a BOF record
// to its EOF: the globals, then the sheets, which may hold more nested ones
// (embedded charts).

#include "spreadsheet/xls/record_stream_p.h"

namespace jubilo::xls {

// Reads the BOF record that must come next and checks that it starts a
// BIFF8 sub-stream of the given kind (rec::Bof::kGlobals, kWorksheet).
void expectBof(RecordReader& reader, uint16_t kind);

// Reads past a nested sub-stream whose BOF record, at bof, was just read.
void skipSubstream(RecordReader& reader, const RecordPlace& bof, int depth = 1);

}  // namespace jubilo::xls
