// The code-book reader on any bytes: it fills the host's code book or throws
// InputError, nothing else.
#include "fuzz/fuzz_file.h"
#include "host/code_book.h"
#include "parcels/attrs/code_book_file.h"
#include "parcels/text/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzInputFile(data, size, ".csv");
    try {
        ReadCodeBookFile(path);
    } catch (const InputError&) {
    }
    CCodeBook::Clear(); // the book is the process's: each input starts from an empty one
    return 0;
}
