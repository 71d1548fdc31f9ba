#include "spreadsheet/xls/globals_reader_p.h"

#include "spreadsheet/xls/record_mapping_p.h"
#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/substreams_p.h"

namespace jubilo::xls {

namespace {

// One handler a record type; the state between records is members.
class GlobalsReader {
public:
    GlobalsReader(std::span<const uint8_t> stream, XlsWorkbook& wb)
        : reader_(stream)
        , wb_(wb)
    {
    }

    WorkbookGlobals read();

private:
    void dispatch(RecordCursor& c);
    void onWindow1(RecordCursor& c);
    void onDate1904(RecordCursor& c);
    void onFont(RecordCursor& c);
    void onFormat(RecordCursor& c);
    void onXf(RecordCursor& c);
    void onStyle(RecordCursor& c);
    void onPalette(RecordCursor& c);
    void onBoundSheet(RecordCursor& c);
    void onSupBook(RecordCursor& c);
    void onExternSheet(RecordCursor& c);
    void onName(RecordCursor& c);
    void onSst(RecordCursor& c);
    void onEof();

    RecordReader reader_;
    XlsWorkbook& wb_;
    WorkbookGlobals g_;
    bool haveWindow_ = false;
    std::vector<uint32_t> palette_;
    bool done_ = false;
};

WorkbookGlobals GlobalsReader::read()
{
    expectBof(reader_, rec::Bof::kGlobals);
    LogicalRecord r;
    while (!done_) {
        if (!reader_.next(r))
            damagedWorkbook("the workbook stream ends before the " + recordName(kEofRecord)
                            + " record of its global part");
        auto c = r.cursor();
        dispatch(c);
    }
    return std::move(g_);
}

void GlobalsReader::dispatch(RecordCursor& c)
{
    switch (c.type()) {
    case kFilePassRecord:
        throw XlsError("the workbook is password-protected (encrypted), which is not supported");
    case kBofRecord:
        c.fail("a sub-stream starts inside the workbook's global part");
    case kWindow1Record:
        return onWindow1(c);
    case kDate1904Record:
        return onDate1904(c);
    case kFontRecord:
        return onFont(c);
    case kFormatRecord:
        return onFormat(c);
    case kXfRecord:
        return onXf(c);
    case kStyleRecord:
        return onStyle(c);
    case kPaletteRecord:
        return onPalette(c);
    case kBoundSheetRecord:
        return onBoundSheet(c);
    case kSupBookRecord:
        return onSupBook(c);
    case kExternSheetRecord:
        return onExternSheet(c);
    case kNameRecord:
        return onName(c);
    case kSstRecord:
        return onSst(c);
    case kEofRecord:
        return onEof();
    default:
        return;  // records of no interest here
    }
}

// The first window counts; others belong to other views of the workbook.
void GlobalsReader::onWindow1(RecordCursor& c)
{
    if (haveWindow_)
        return;
    wb_.window = mapping::fromRecord(rec::decode<rec::Window1>(c), wb_.activeSheet);
    haveWindow_ = true;
}

void GlobalsReader::onDate1904(RecordCursor& c) { wb_.date1904 = rec::decode<rec::Date1904>(c).value != 0; }

void GlobalsReader::onFont(RecordCursor& c) { wb_.fonts.push_back(mapping::fromRecord(rec::decode<rec::Font>(c))); }

void GlobalsReader::onFormat(RecordCursor& c)
{
    auto f = rec::decode<rec::Format>(c);
    wb_.numberFormats.push_back({f.index, std::move(f.code)});
}

// Converted once all fonts are known.
void GlobalsReader::onXf(RecordCursor& c) { g_.xfs.push_back({rec::decode<rec::Xf>(c), c.place()}); }

void GlobalsReader::onStyle(RecordCursor& c) { wb_.styles.push_back(mapping::fromRecord(rec::decode<rec::Style>(c))); }

void GlobalsReader::onPalette(RecordCursor& c) { palette_ = rec::decode<rec::Palette>(c).colors; }

void GlobalsReader::onBoundSheet(RecordCursor& c)
{
    if (g_.sheets.size() == kMaxSheets)
        throw XlsError("the workbook has more than " + withThousands(kMaxSheets) + " sheets, which is not supported");
    g_.sheets.push_back({rec::decode<rec::BoundSheet>(c), c.place()});
}

void GlobalsReader::onSupBook(RecordCursor& c) { g_.supBooks.push_back(rec::decode<rec::SupBook>(c)); }

void GlobalsReader::onExternSheet(RecordCursor& c)
{
    const auto e = rec::decode<rec::ExternSheet>(c);
    g_.externs.insert(g_.externs.end(), e.entries.begin(), e.entries.end());
}

void GlobalsReader::onName(RecordCursor& c) { g_.names.push_back({rec::decode<rec::Name>(c), c.place()}); }

void GlobalsReader::onSst(RecordCursor& c) { g_.strings = rec::decode<rec::Sst>(c).strings; }

// A short palette keeps the default colours of the entries it leaves out.
void GlobalsReader::onEof()
{
    g_.end = reader_.position();
    if (!palette_.empty()) {
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            wb_.palette.push_back(i < palette_.size() ? mapping::fromBgr(palette_[i]) : defaultPalette()[i]);
    }
    done_ = true;
}

}  // namespace

WorkbookGlobals readGlobals(std::span<const uint8_t> stream, XlsWorkbook& wb)
{
    return GlobalsReader(stream, wb).read();
}

}  // namespace jubilo::xls
