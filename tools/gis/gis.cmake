# The tool's GIS part: GeoPackages written with GDAL, QGIS and SLD styles.
find_package(GDAL REQUIRED)

# The GeoPackage writer is a module that the tool loads only to write one, so
# that no other run loads GDAL; it is kept beside the tool.
add_library(velmora_gpkg SHARED
    ${CMAKE_CURRENT_LIST_DIR}/parcel_gpkg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/local_days.cpp
)
target_include_directories(velmora_gpkg PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(velmora_gpkg PRIVATE GDAL::GDAL)
target_link_options(velmora_gpkg PRIVATE -Wl,--no-undefined)

target_sources(velmora_tool PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/value_set.cpp
    ${CMAKE_CURRENT_LIST_DIR}/local_days.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attr_columns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palette_rules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hatch_style.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qml_style.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sld_style.cpp
    ${CMAKE_CURRENT_LIST_DIR}/plane_crs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gpkg_module.cpp
    ${CMAKE_CURRENT_LIST_DIR}/style_cmd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/export_cmd.cpp
)
target_link_libraries(velmora_tool PUBLIC ${CMAKE_DL_LIBS})
