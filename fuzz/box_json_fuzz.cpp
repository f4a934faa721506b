// The palette JSON import on any bytes: it either refuses them with a message
// or gives a box that holds to the box's limits and exports to JSON that
// imports again to the same JSON.
#include "fuzz/fuzz_checks.h"
#include "parcels/text/input_error.h"
#include "tools/box/box_json.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CVPaletteBox box;
    try {
        BoxFromJson("fuzz.json", text, box);
    } catch (const InputError&) {
        return 0;
    }
    CheckBox(box);
    const std::string json = BoxToJson(box);
    CVPaletteBox again;
    try {
        BoxFromJson("fuzz.json", json, again);
    } catch (const InputError&) {
        std::abort(); // an exported box must always import again
    }
    if (BoxToJson(again) != json)
        std::abort();
    return 0;
}
