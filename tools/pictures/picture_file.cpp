#include "tools/pictures/picture_file.h"
#include "tools/common/output_file.h"
#include "tools/pictures/cairo_canvas.h"
#include "tools/pictures/map_drawing.h"
#include "tools/pictures/svg_canvas.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kSvgPixelsPerInch = 96.0;
constexpr double kMarginMm = 10.0;
// Cairo's image surfaces end at 32767 pixels a side.
constexpr double kLargestSide = 32767.0;

struct Paper {
    const char* name;
    double width, height; // mm, portrait
};

const Paper kPapers[] = {
    {"A0", 841, 1189}, {"A1", 594, 841}, {"A2", 420, 594},   {"A3", 297, 420},  {"A4", 210, 297},
    {"A5", 148, 210},  {"A6", 105, 148}, {"B0", 1030, 1456}, {"B1", 728, 1030}, {"B2", 515, 728},
    {"B3", 364, 515},  {"B4", 257, 364}, {"B5", 182, 257},   {"B6", 128, 182},
};

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void Check(cairo_status_t status, const std::string& path) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(path + ": cannot make the picture (" +
                                 cairo_status_to_string(status) + ")");
}

// Draws the picture on the surface, `scale` surface units to the pixel from
// (x, y), and finishes the surface.
void Draw(const std::string& path, const MapPicture& picture, const MapLayout& layout,
          cairo_surface_t* surface, double x, double y, double scale) {
    cairo_t* cr = cairo_create(surface);
    try {
        Check(cairo_surface_status(surface), path);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        {
            CairoCanvas canvas(cr);
            DrawMap(picture, layout, canvas);
        }
        Check(cairo_status(cr), path);
        cairo_show_page(cr);
        cairo_surface_flush(surface);
        Check(cairo_surface_status(surface), path);
    } catch (...) {
        cairo_destroy(cr);
        throw;
    }
    cairo_destroy(cr);
}

std::string Png(const std::string& path, const MapPicture& picture, const MapLayout& layout,
                double dpi) {
    double scale = dpi / kSvgPixelsPerInch;
    double width = std::ceil(layout.width * scale), height = std::ceil(layout.height * scale);
    if (width > kLargestSide || height > kLargestSide)
        throw std::runtime_error(path + ": the picture would be " +
                                 std::to_string(static_cast<long>(width)) + " x " +
                                 std::to_string(static_cast<long>(height)) +
                                 " pixels, more than 32767 a side; lower --dpi or --size");
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    std::string bytes;
    try {
        Draw(path, picture, layout, surface, 0.0, 0.0, scale);
        Check(cairo_surface_write_to_png_stream(surface, Append, &bytes), path);
    } catch (...) {
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_surface_destroy(surface);
    return bytes;
}

std::string Pdf(const std::string& path, const MapPicture& picture, const MapLayout& layout,
                const std::string& paper) {
    // Without paper the page is the picture: 96 pixels to 72 points.
    double pageWidth = layout.width * 72.0 / kSvgPixelsPerInch;
    double pageHeight = layout.height * 72.0 / kSvgPixelsPerInch;
    double margin = 0.0;
    if (!paper.empty()) {
        double shortMm = 0.0, longMm = 0.0;
        PaperSize(paper, shortMm, longMm);
        bool landscape = layout.width > layout.height;
        pageWidth = (landscape ? longMm : shortMm) * kPointsPerMm;
        pageHeight = (landscape ? shortMm : longMm) * kPointsPerMm;
        margin = kMarginMm * kPointsPerMm;
    }
    double scale = std::min((pageWidth - 2 * margin) / layout.width,
                            (pageHeight - 2 * margin) / layout.height);
    std::string bytes;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(Append, &bytes, pageWidth, pageHeight);
    // No creation date, so that the same map gives the same bytes.
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "");
    try {
        Draw(path, picture, layout, surface, (pageWidth - layout.width * scale) / 2,
             (pageHeight - layout.height * scale) / 2, scale);
        cairo_surface_finish(surface);
        Check(cairo_surface_status(surface), path);
    } catch (...) {
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_surface_destroy(surface);
    return bytes;
}
} // namespace

std::string PictureFormat(const std::string& path) {
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::string();
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "svg" || extension == "png" || extension == "pdf" ? extension
                                                                          : std::string();
}

bool PaperSize(const std::string& name, double& widthMm, double& heightMm) {
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Paper& paper : kPapers)
        if (upper == paper.name) {
            widthMm = paper.width;
            heightMm = paper.height;
            return true;
        }
    return false;
}

void WritePicture(const std::string& path, const MapPicture& picture,
                  const PictureOptions& options) {
    std::string format = PictureFormat(path);
    MapLayout layout = LayOutMap(picture);
    if (format == "svg") {
        SvgCanvas canvas;
        DrawMap(picture, layout, canvas);
        WriteOutput(path, canvas.Svg());
        return;
    }
    WriteOutput(path, format == "png" ? Png(path, picture, layout, options.dpi)
                                      : Pdf(path, picture, layout, options.paper));
}
