// The registry map reader, pull parser and map reader together, on any bytes:
// it hands out parcels or throws InputError, nothing else.
#include "parcels/map/map_xml.h"
#include "parcels/text/input_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        MapXmlReader reader(in, "fuzz.xml");
        MapParcel parcel;
        while (reader.Next(parcel))
            for (const MapRing& ring : parcel.rings)
                if (ring.size() < 4 || ring.front().x != ring.back().x ||
                    ring.front().y != ring.back().y)
                    std::abort(); // a ring is handed out closed
        reader.Header();
    } catch (const InputError&) {
    }
    return 0;
}
