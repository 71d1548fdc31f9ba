#include "spreadsheet/xls/compound_file_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string>

namespace jubilo::xls {

namespace {

void ignoreLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void ensureGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // A damaged container makes libgsf complain on stderr before it
        // fails; the failure reaches the caller as an XlsError instead.
        for (const char* domain : {"libgsf", "libgsf:msole"})
            g_log_set_handler(domain, GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                              ignoreLog, nullptr);
    });
}

struct ObjectUnref {
    void operator()(void* p) const
    {
        if (p)
            g_object_unref(p);
    }
};

template <class T>
using GsfPtr = std::unique_ptr<T, ObjectUnref>;

struct ErrorFree {
    void operator()(GError* e) const
    {
        if (e)
            g_error_free(e);
    }
};

std::string describe(GError* err) { return err && err->message ? std::string(": ") + err->message : std::string(); }

// The compound-file signature.
constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

}  // namespace

std::vector<uint8_t> packWorkbookStream(std::span<const uint8_t> stream, const char* streamName)
{
    if (stream.size() > kMaxFileSize)
        throw XlsError("the workbook is too large to save");
    ensureGsf();
    GsfPtr<GsfOutput> sink(gsf_output_memory_new());
    GsfPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
    if (!ole)
        throw XlsError("cannot create the workbook container");
    GsfPtr<GsfOutput> child(gsf_outfile_new_child(ole.get(), streamName, FALSE));
    if (!child)
        throw XlsError("cannot create the workbook stream");
    bool ok = stream.empty() || gsf_output_write(child.get(), stream.size(), stream.data());
    ok = gsf_output_close(child.get()) && ok;
    ok = gsf_output_close(GSF_OUTPUT(ole.get())) && ok;
    if (!ok)
        throw XlsError("cannot write the workbook container");
    auto* memory = GSF_OUTPUT_MEMORY(sink.get());
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* bytes = gsf_output_memory_get_bytes(memory);
    if (size <= 0 || !bytes)
        throw XlsError("cannot write the workbook container");
    return std::vector<uint8_t>(bytes, bytes + size);
}

std::vector<uint8_t> unpackWorkbookStream(std::span<const uint8_t> file)
{
    if (file.size() > kMaxFileSize)
        throw XlsError("the file is too large for a workbook");
    if (file.size() < 512 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        throw XlsError("the file is not an Excel 97-2003 workbook (no compound-file header)");
    ensureGsf();
    // The input only borrows the caller's bytes.
    GsfPtr<GsfInput> input(gsf_input_memory_new(file.data(), gsf_off_t(file.size()), FALSE));
    GError* rawErr = nullptr;
    GsfPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &rawErr));
    std::unique_ptr<GError, ErrorFree> err(rawErr);
    if (!ole)
        throw XlsError("the workbook container is damaged" + describe(err.get()));

    GsfPtr<GsfInput> stream(gsf_infile_child_by_name(ole.get(), "Workbook"));
    if (!stream) {
        GsfPtr<GsfInput> book(gsf_infile_child_by_name(ole.get(), "Book"));
        if (book)
            throw XlsError("the file is an Excel 5.0/95 (BIFF5) workbook, which is not supported");
        throw XlsError("the file holds no Excel workbook stream");
    }
    const gsf_off_t size = gsf_input_size(stream.get());
    // A stream cannot be larger than the file that holds it.
    if (size < 0 || std::size_t(size) > file.size())
        throw XlsError("the workbook container is damaged (stream size)");
    std::vector<uint8_t> out(static_cast<std::size_t>(size));
    if (size > 0 && !gsf_input_read(stream.get(), std::size_t(size), out.data()))
        throw XlsError("the workbook container is damaged (the stream cannot be read)");
    return out;
}

}  // namespace jubilo::xls
