// A text file of any bytes read line by line, each line cut into fields at
// columns taken from the input and parsed as numbers.
#include "FuzzSupport.h"

#include "datafiles/FileIo.h"
#include "datafiles/TextFields.h"

#include <cmath>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const fuzz::ScratchDirectory& Scratch()
{
    static const fuzz::ScratchDirectory directory("text");
    return directory;
}

void CheckField(std::string_view line, std::string_view field)
{
    // A field is always a piece of its line.
    if (!field.empty() && (field.data() < line.data() || field.data() + field.size() > line.data() + line.size())) {
        std::abort();
    }
    volatile std::int64_t integer = ParseInteger(field);
    volatile std::int8_t small = ParseInt8(field);
    if (static_cast<std::int8_t>(integer) != small) {
        std::abort();
    }
    volatile double real = ParseReal(field);
    (void)real;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int start = provider.ConsumeIntegral<int>();
    const int width = provider.ConsumeIntegral<int>();
    const int smallStart = provider.ConsumeIntegralInRange<int>(-2, 100);
    const int smallWidth = provider.ConsumeIntegralInRange<int>(-2, 40);
    const std::string needle = provider.ConsumeRandomLengthString(8);
    const std::vector<std::uint8_t> text = provider.ConsumeRemainingBytes<std::uint8_t>();

    const std::string path = Scratch().File("input.txt");
    fuzz::WriteBytes(path, text);
    CTextFile file(path);
    std::string line;
    std::size_t lines = 0;
    while (file.ReadString(line)) {
        if (++lines > text.size() + 1) {
            std::abort(); // never more lines than bytes
        }
        CheckField(line, ColumnField(line, start, width));
        CheckField(line, ColumnField(line, smallStart, smallWidth));
        CheckField(line, HeadField(line, smallWidth));
        CheckField(line, TailField(line, smallWidth));
        CheckField(line, TailField(line, width));
        CheckField(line, line);
        const int found = FindText(line, needle);
        if (found < -1 || (found >= 0 && line.compare(static_cast<std::size_t>(found), needle.size(), needle) != 0)) {
            std::abort();
        }
    }
    if (!line.empty()) {
        std::abort(); // the end leaves an empty line
    }
    return 0;
}
