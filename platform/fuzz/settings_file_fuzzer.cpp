// Fuzzes the settings file's reader and editor: any bytes parse and every
// value reads; setting a value reads back exactly while every other value
// reads as before; a file written afresh reads as the file it came from.
// A broken promise aborts, which libFuzzer reports with the input.

#include "platform/ini_document.h"
#include "platform/ini_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using jubilo::ini::IniDocument;

// Any UTF-16, lone surrogates included.
QString fuzzedText(FuzzedDataProvider& input, std::size_t most)
{
    const std::string bytes = input.ConsumeRandomLengthString(most);
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8));
    return text;
}

void check(bool promise, const char* what)
{
    if (!promise) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString group = fuzzedText(input, 16);
    const QString key = fuzzedText(input, 16);
    const QString text = fuzzedText(input, 64);
    const std::string file = input.ConsumeRemainingBytesAsString();

    check(jubilo::ini::unescapedText(jubilo::ini::escapedText(text)) == text, "a text reads back as written");
    IniDocument document(QByteArray(file.data(), qsizetype(file.size())));
    const IniDocument::Values before = document.values();
    check(document.cleaned().values() == before, "a file written afresh reads as before");
    if (key.isEmpty())
        return 0;  // Jubilo writes no value without a key
    document.setValue(group, key, text);
    IniDocument::Values expected = before;
    expected[{group, key}] = text;
    check(document.values() == expected, "a set value reads back, the others as before");
    check(IniDocument(document.bytes()).values() == expected, "the written bytes read the same");
    return 0;
}
