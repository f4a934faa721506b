#include "tools/pictures/picture_file.h"
#include "parcels/text/read_file.h"
#include "tools/pictures/svg_map.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>

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

// The SVG loaded for rendering, with its size in pixels.
class SvgPicture {
public:
    explicit SvgPicture(const std::string& svg) {
        GError* error = nullptr;
        handle_ = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(),
                                            &error);
        if (!handle_)
            Fail("cannot load the drawing", error);
        if (!rsvg_handle_get_intrinsic_size_in_pixels(handle_, &width_, &height_))
            throw std::runtime_error("the drawing has no size");
    }
    ~SvgPicture() { g_object_unref(handle_); }
    SvgPicture(const SvgPicture&) = delete;
    SvgPicture& operator=(const SvgPicture&) = delete;

    double Width() const { return width_; }
    double Height() const { return height_; }

    void Render(cairo_t* cr, double x, double y, double width, double height) const {
        RsvgRectangle viewport{x, y, width, height};
        GError* error = nullptr;
        if (!rsvg_handle_render_document(handle_, cr, &viewport, &error))
            Fail("cannot render the drawing", error);
    }

private:
    [[noreturn]] static void Fail(const std::string& what, GError* error) {
        std::string message = what + (error ? std::string(": ") + error->message : "");
        if (error)
            g_error_free(error);
        throw std::runtime_error(message);
    }

    RsvgHandle* handle_ = nullptr;
    double width_ = 0.0, height_ = 0.0;
};

void Check(cairo_status_t status, const std::string& path) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(path + ": cannot make the picture (" +
                                 cairo_status_to_string(status) + ")");
}

std::string Png(const std::string& path, const SvgPicture& svg, double dpi) {
    double scale = dpi / kSvgPixelsPerInch;
    double width = std::ceil(svg.Width() * scale), height = std::ceil(svg.Height() * scale);
    if (width > kLargestSide || height > kLargestSide)
        throw std::runtime_error(path + ": the picture would be " +
                                 std::to_string(static_cast<long>(width)) + " x " +
                                 std::to_string(static_cast<long>(height)) +
                                 " pixels, more than 32767 a side; lower --dpi or --size");
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    std::string bytes;
    try {
        Check(cairo_surface_status(surface), path);
        svg.Render(cr, 0.0, 0.0, svg.Width() * scale, svg.Height() * scale);
        Check(cairo_surface_write_to_png_stream(surface, Append, &bytes), path);
    } catch (...) {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return bytes;
}

std::string Pdf(const std::string& path, const SvgPicture& svg, const std::string& paper) {
    // Without paper the page is the picture: 96 pixels to 72 points.
    double pageWidth = svg.Width() * 72.0 / kSvgPixelsPerInch;
    double pageHeight = svg.Height() * 72.0 / kSvgPixelsPerInch;
    double margin = 0.0;
    if (!paper.empty()) {
        double shortMm = 0.0, longMm = 0.0;
        PaperSize(paper, shortMm, longMm);
        bool landscape = svg.Width() > svg.Height();
        pageWidth = (landscape ? longMm : shortMm) * kPointsPerMm;
        pageHeight = (landscape ? shortMm : longMm) * kPointsPerMm;
        margin = kMarginMm * kPointsPerMm;
    }
    double scale =
        std::min((pageWidth - 2 * margin) / svg.Width(), (pageHeight - 2 * margin) / svg.Height());
    double width = svg.Width() * scale, height = svg.Height() * scale;
    std::string bytes;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(Append, &bytes, pageWidth, pageHeight);
    cairo_t* cr = cairo_create(surface);
    try {
        Check(cairo_surface_status(surface), path);
        svg.Render(cr, (pageWidth - width) / 2, (pageHeight - height) / 2, width, height);
        cairo_show_page(cr);
        cairo_surface_finish(surface);
        Check(cairo_surface_status(surface), path);
    } catch (...) {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_destroy(cr);
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
    std::string svg = WriteMapSvg(picture);
    if (format == "svg") {
        WriteWholeFile(path, svg);
        return;
    }
    SvgPicture loaded(svg);
    WriteWholeFile(path, format == "png" ? Png(path, loaded, options.dpi)
                                         : Pdf(path, loaded, options.paper));
}
