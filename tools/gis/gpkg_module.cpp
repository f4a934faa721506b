#include "tools/gis/gpkg_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace {
// The module is built and kept beside the tool. It is named by its whole path
// rather than through a run path, which a sanitizer's dlopen would not use.
std::string ModulePath() {
    std::error_code error;
    std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    return (tool.parent_path() / "libvelmora_gpkg.so").string();
}

std::string LoadError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}
} // namespace

decltype(&WriteParcelGpkg) GpkgWriter() {
    // Kept loaded until the tool exits, as GDAL keeps state of its own.
    void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw std::runtime_error("cannot load the GeoPackage writer: " + LoadError());
    void* writer = dlsym(module, "WriteParcelGpkg");
    if (!writer)
        throw std::runtime_error("cannot load the GeoPackage writer: " + LoadError());
    return reinterpret_cast<decltype(&WriteParcelGpkg)>(writer);
}
