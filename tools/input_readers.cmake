# The readers that turn a registry map, an attribute CSV and a code book into
# parcels. They build in both builds: the tool links them natively, and a
# Windows host program includes this file and links velmora_input_readers.
include_guard(GLOBAL)

set(_readers ${CMAKE_CURRENT_LIST_DIR})
add_library(velmora_input_readers STATIC
    ${_readers}/common/read_file.cpp
    ${_readers}/common/text_codec.cpp
    ${_readers}/common/kk_date.cpp
    ${_readers}/map_input/xml_pull.cpp
    ${_readers}/map_input/map_xml.cpp
    ${_readers}/attr_input/csv_rows.cpp
    ${_readers}/attr_input/kk_attr_csv.cpp
    ${_readers}/attr_input/code_book_file.cpp
)
if(WIN32)
    target_sources(velmora_input_readers PRIVATE ${_readers}/common/text_codec_win32.cpp)
else()
    target_sources(velmora_input_readers PRIVATE ${_readers}/common/text_codec_iconv.cpp)
endif()
target_include_directories(velmora_input_readers PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(velmora_input_readers PUBLIC ${VELMORA_LIB})
