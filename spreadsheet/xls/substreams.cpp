#include "spreadsheet/xls/substreams_p.h"

#include "spreadsheet/xls/records_p.h"

namespace jubilo::xls {

namespace {

// Deeper nesting of sub-streams than any real file has.
constexpr int kMaxNesting = 8;

}  // namespace

void expectBof(RecordReader& reader, uint16_t kind)
{
    const std::size_t at = reader.position();
    LogicalRecord r;
    if (!reader.next(r))
        damagedWorkbook("the workbook stream ends at offset " + streamOffset(at) + ", where a " + recordName(kBofRecord)
                        + " record should start a part of the workbook");
    if (r.type != rec::Bof::kType)
        r.place().damaged("a part of the workbook should start here, with a " + recordName(kBofRecord) + " record");
    auto c = r.cursor();
    const auto bof = rec::decode<rec::Bof>(c);
    if (bof.version != rec::Bof::kBiff8) {
        if (bof.version == rec::Bof::kBiff5)
            throw XlsError("the file is an Excel 5.0/95 (BIFF5) workbook, which is not supported");
        throw XlsError("the file is not an Excel 97-2003 (BIFF8) workbook");
    }
    if (bof.kind != kind)
        r.place().damaged("it starts a part of the workbook of an unexpected kind");
}

void skipSubstream(RecordReader& reader, const RecordPlace& bof, int depth)
{
    if (depth > kMaxNesting)
        bof.damaged("sub-streams are nested too deeply");
    LogicalRecord r;
    while (reader.next(r)) {
        if (r.type == rec::Eof::kType)
            return;
        if (r.type == rec::Bof::kType)
            skipSubstream(reader, r.place(), depth + 1);
    }
    bof.damaged("the workbook stream ends inside the embedded object it starts");
}

}  // namespace jubilo::xls
